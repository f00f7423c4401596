<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>所选串口上没有分析仪应答，请检查分析仪和串口后重新连接！</source>
        <translation>Nenhum analisador respondeu na porta selecionada. Verifique o analisador e a porta e conecte novamente!</translation>
    </message>
    <message>
        <source>串口打开失败，请检查串口是否被其他程序占用！</source>
        <translation>Não foi possível abrir a porta serial. Verifique se outro programa a está usando!</translation>
    </message>
</context>
</TS>
