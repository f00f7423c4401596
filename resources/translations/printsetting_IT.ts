<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="zh_CN">
<context>
    <name>PrintPreview</name>
    <message>
        <source>打印设置</source>
        <translation>Impostazioni di stampa</translation>
    </message>
    <message>
        <source>检测</source>
        <translation>Esami</translation>
    </message>
    <message>
        <source>质控</source>
        <translation>CQ</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Carica logo</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Dimensione carattere:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Indicazione del risultato</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Formato del referto</translation>
    </message>
    <message>
        <source>其它格式</source>
        <translation>Altro formato</translation>
    </message>
    <message>
        <source>A5横向打印</source>
        <translation>A5 orizzontale</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4临床意义打印</source>
        <translation>A4 con significato clinico</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Voci opzionali</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>责任声明</source>
        <translation>Dichiarazione di responsabilità</translation>
    </message>
</context>
</TS>
