<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>PrintPreview</name>
    <message>
        <source>打印设置</source>
        <translation>Configuración de impresión</translation>
    </message>
    <message>
        <source>检测</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>质控</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Subir logotipo</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Tamaño de letra:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Indicación del resultado</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Formato del informe</translation>
    </message>
    <message>
        <source>其它格式</source>
        <translation>Otro formato</translation>
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
        <translation>A4 con significado clínico</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Elementos opcionales</translation>
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
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>责任声明</source>
        <translation>Descargo de responsabilidad</translation>
    </message>
</context>
</TS>
