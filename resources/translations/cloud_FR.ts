<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>dlgLogin</name>
    <message>
        <source>登录</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Saisissez le mot de passe</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>密码提示</source>
        <translation>Indice du mot de passe</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Mot de passe incorrect</translation>
    </message>
</context>
</TS>
