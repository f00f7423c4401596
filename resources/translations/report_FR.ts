<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>T</name>
    <message>
        <location filename="../../report/reportFragments.cpp" line="179"/>
        <source>全称</source>
        <translation>Nom complet</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="180"/>
        <source>项目缩写</source>
        <translation>Abréviation</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="181"/>
        <source>检验结果</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="182"/>
        <source>靶值</source>
        <translation>Valeur cible</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="183"/>
        <source>单位</source>
        <translation>Unité</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="184"/>
        <source>参考范围</source>
        <translation>Valeurs de référence</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="185"/>
        <source>低</source>
        <translation>Bas</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="186"/>
        <source>中</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="187"/>
        <source>高</source>
        <translation>Haut</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="188"/>
        <source>提示</source>
        <translation>Indication</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="200"/>
        <source>黄疸</source>
        <translation>Ictère</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="201"/>
        <source>溶血</source>
        <translation>Hémolyse</translation>
    </message>
    <message>
        <location filename="../../report/reportFragments.cpp" line="202"/>
        <source>脂血</source>
        <translation>Lipémie</translation>
    </message>
</context>
</TS>
