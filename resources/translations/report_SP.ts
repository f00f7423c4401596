<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>T</name>
    <message>
        <location filename="../../report/reportFragments.cpp" line="179"/>
        <source>全称</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="180"/>
        <source>项目缩写</source>
        <translation>Abreviatura</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="181"/>
        <source>检验结果</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="182"/>
        <source>靶值</source>
        <translation>Valor objetivo</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="183"/>
        <source>单位</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="184"/>
        <source>参考范围</source>
        <translation>Intervalo de referencia</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="185"/>
        <source>低</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="186"/>
        <source>中</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="187"/>
        <source>高</source>
        <translation>Alto</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="188"/>
        <source>提示</source>
        <translation>Indicación</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="200"/>
        <source>黄疸</source>
        <translation>Ictericia</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="201"/>
        <source>溶血</source>
        <translation>Hemólisis</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="202"/>
        <source>脂血</source>
        <translation>Lipemia</translation>
    </message>
</context>
</TS>
