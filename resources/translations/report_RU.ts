<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>T</name>
    <message>
        <location filename="../../report/reportFragments.cpp" line="179"/>
        <source>全称</source>
        <translation>Полное название</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="180"/>
        <source>项目缩写</source>
        <translation>Сокращение</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="181"/>
        <source>检验结果</source>
        <translation>Результат</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="182"/>
        <source>靶值</source>
        <translation>Целевое значение</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="183"/>
        <source>单位</source>
        <translation>Единица</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="184"/>
        <source>参考范围</source>
        <translation>Референсный интервал</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="185"/>
        <source>低</source>
        <translation>Низкий</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="186"/>
        <source>中</source>
        <translation>Норма</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="187"/>
        <source>高</source>
        <translation>Высокий</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="188"/>
        <source>提示</source>
        <translation>Отметка</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="200"/>
        <source>黄疸</source>
        <translation>Желтуха</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="201"/>
        <source>溶血</source>
        <translation>Гемолиз</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="202"/>
        <source>脂血</source>
        <translation>Липемия</translation>
    </message>
</context>
</TS>
