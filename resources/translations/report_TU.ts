<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>T</name>
    <message>
        <location filename="../../report/reportFragments.cpp" line="179"/>
        <source>全称</source>
        <translation>Tam adı</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="180"/>
        <source>项目缩写</source>
        <translation>Kısaltma</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="181"/>
        <source>检验结果</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="182"/>
        <source>靶值</source>
        <translation>Hedef değer</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="183"/>
        <source>单位</source>
        <translation>Birim</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="184"/>
        <source>参考范围</source>
        <translation>Referans aralığı</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="185"/>
        <source>低</source>
        <translation>Düşük</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="186"/>
        <source>中</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="187"/>
        <source>高</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="188"/>
        <source>提示</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="200"/>
        <source>黄疸</source>
        <translation>İkter</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="201"/>
        <source>溶血</source>
        <translation>Hemoliz</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="202"/>
        <source>脂血</source>
        <translation>Lipemi</translation>
    </message>
</context>
</TS>
