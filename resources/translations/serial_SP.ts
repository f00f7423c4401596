<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>所选串口上没有分析仪应答，请检查分析仪和串口后重新连接！</source>
        <translation>Ningún analizador respondió en el puerto seleccionado. Compruebe el analizador y el puerto y vuelva a conectar.</translation>
    </message>
    <message>
        <source>串口打开失败，请检查串口是否被其他程序占用！</source>
        <translation>No se pudo abrir el puerto serie. Compruebe si otro programa lo está usando.</translation>
    </message>
</context>
</TS>
