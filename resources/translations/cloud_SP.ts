<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>dlgLogin</name>
    <message>
        <source>登录</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>密码提示</source>
        <translation>Pista de contraseña</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Contraseña incorrecta</translation>
    </message>
</context>
</TS>
