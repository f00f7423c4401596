<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”不是有效的日期，请按“年-月-日”填写，例如 2020-05-17。未保存。</source>
        <translation>The birthday “%1” is not a real date. Please enter it as year-month-day, e.g. 2020-05-17. Nothing was saved.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”晚于检测时间 %2，请检查后再保存。未保存。</source>
        <translation>The birthday “%1” is later than the check time %2. Please check it and save again. Nothing was saved.</translation>
    </message>
</context>
</TS>
