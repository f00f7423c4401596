<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>T</name>
    <message>
        <location filename="../../report/reportFragments.cpp" line="179"/>
        <source>全称</source>
        <translation>Full name</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="180"/>
        <source>项目缩写</source>
        <translation>Abbr.</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="181"/>
        <source>检验结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="182"/>
        <source>靶值</source>
        <translation>Target</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="183"/>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="184"/>
        <source>参考范围</source>
        <translation>Reference range</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="185"/>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="186"/>
        <source>中</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="187"/>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="188"/>
        <source>提示</source>
        <translation>Flag</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="200"/>
        <source>黄疸</source>
        <translation>Icterus</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="201"/>
        <source>溶血</source>
        <translation>Hemolysis</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="202"/>
        <source>脂血</source>
        <translation>Lipemia</translation>
    </message>
</context>
</TS>
