<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>dlgLogin</name>
    <message>
        <source>登录</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Inserire la password</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>密码提示</source>
        <translation>Suggerimento password</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Password errata</translation>
    </message>
</context>
</TS>
