<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>dlgLogin</name>
    <message>
        <source>登录</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Digite a senha</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>密码提示</source>
        <translation>Dica de senha</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Senha incorreta</translation>
    </message>
</context>
</TS>
