<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>dlgLogin</name>
    <message>
        <source>登录</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>密码提示</source>
        <translation>Подсказка к паролю</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Неверный пароль</translation>
    </message>
</context>
</TS>
