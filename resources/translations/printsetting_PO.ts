<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="zh_CN">
<context>
    <name>PrintPreview</name>
    <message>
        <source>打印设置</source>
        <translation>Definições de impressão</translation>
    </message>
    <message>
        <source>检测</source>
        <translation>Análises</translation>
    </message>
    <message>
        <source>质控</source>
        <translation>CQ</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Carregar logótipo</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Tamanho da letra:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Pré-visualizar</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Indicação do resultado</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Formato do relatório</translation>
    </message>
    <message>
        <source>其它格式</source>
        <translation>Outro formato</translation>
    </message>
    <message>
        <source>A5横向打印</source>
        <translation>A5 horizontal</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4临床意义打印</source>
        <translation>A4 com significado clínico</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Itens opcionais</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir ficheiro</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>责任声明</source>
        <translation>Declaração de responsabilidade</translation>
    </message>
</context>
</TS>
