<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”不是有效的日期，请按“年-月-日”填写，例如 2020-05-17。未保存。</source>
        <translation>La date de naissance « %1 » n'est pas une date valide. Saisissez-la sous la forme année-mois-jour, p. ex. 2020-05-17. Rien n'a été enregistré.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”晚于检测时间 %2，请检查后再保存。未保存。</source>
        <translation>La date de naissance « %1 » est postérieure à l'heure d'analyse %2. Vérifiez-la et enregistrez de nouveau. Rien n'a été enregistré.</translation>
    </message>
</context>
</TS>
