<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”不是有效的日期，请按“年-月-日”填写，例如 2020-05-17。未保存。</source>
        <translation>Дата рождения «%1» не является правильной датой. Введите её в виде год-месяц-день, например 2020-05-17. Ничего не сохранено.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”晚于检测时间 %2，请检查后再保存。未保存。</source>
        <translation>Дата рождения «%1» позже времени анализа %2. Проверьте её и сохраните снова. Ничего не сохранено.</translation>
    </message>
</context>
</TS>
