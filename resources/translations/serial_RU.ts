<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>所选串口上没有分析仪应答，请检查分析仪和串口后重新连接！</source>
        <translation>На выбранном порту анализатор не ответил. Проверьте анализатор и порт, затем подключитесь снова!</translation>
    </message>
    <message>
        <source>串口打开失败，请检查串口是否被其他程序占用！</source>
        <translation>Не удалось открыть последовательный порт. Проверьте, не занят ли он другой программой!</translation>
    </message>
</context>
</TS>
