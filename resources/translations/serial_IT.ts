<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>所选串口上没有分析仪应答，请检查分析仪和串口后重新连接！</source>
        <translation>Nessun analizzatore ha risposto sulla porta selezionata. Controllare l'analizzatore e la porta, poi riconnettersi!</translation>
    </message>
    <message>
        <source>串口打开失败，请检查串口是否被其他程序占用！</source>
        <translation>Impossibile aprire la porta seriale. Verificare che non sia in uso da un altro programma!</translation>
    </message>
</context>
</TS>
