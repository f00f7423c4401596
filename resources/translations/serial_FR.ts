<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>所选串口上没有分析仪应答，请检查分析仪和串口后重新连接！</source>
        <translation>Aucun analyseur n'a répondu sur le port sélectionné. Vérifiez l'analyseur et le port, puis reconnectez-vous !</translation>
    </message>
    <message>
        <source>串口打开失败，请检查串口是否被其他程序占用！</source>
        <translation>Impossible d'ouvrir le port série. Vérifiez qu'aucun autre programme ne l'utilise !</translation>
    </message>
</context>
</TS>
