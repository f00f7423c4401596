<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>dlgLogin</name>
    <message>
        <source>登录</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Şifreyi girin</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>密码提示</source>
        <translation>Şifre ipucu</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Yanlış şifre</translation>
    </message>
</context>
</TS>
