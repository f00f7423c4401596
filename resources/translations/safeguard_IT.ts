<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>恢复成功。被替换的数据库已保留为：%1</source>
        <translation>Ripristino completato. Il database sostituito è stato conservato come: %1</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>该结果的患者信息无法读取，未保存</source>
        <translation>Le informazioni sul paziente di questo risultato non sono leggibili; non è stato salvato nulla.</translation>
    </message>
</context>
<context>
    <name>printTool</name>
    <message>
        <location filename="../../report/printTool.cpp" />
        <source>没有可用的打印机，报告未打印。请连接打印机并将其设为默认打印机后重试。</source>
        <translation>Nessuna stampante disponibile: il referto non è stato stampato. Collegare una stampante, impostarla come predefinita e riprovare.</translation>
    </message>
</context>
</TS>
