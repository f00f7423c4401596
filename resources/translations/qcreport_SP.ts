<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>T</name>
    <message>
        <source>生化分析仪质控报告单</source>
        <translation>Informe de CC del analizador bioquímico</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Material de CC</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>Lote de CC</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>CC 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>CC 2</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>该结果无法读取，未生成报告</source>
        <translation>Este resultado no se puede leer; no se ha creado ningún informe.</translation>
    </message>
    <message>
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>No se puede escribir el archivo. Compruebe la ruta o cierre el programa que lo está usando: %1</translation>
    </message>
    <message>
        <source>请勾选打印报告</source>
        <translation>Marque los informes que desea imprimir</translation>
    </message>
    <message>
        <source>确认打印吗？</source>
        <translation>¿Imprimir ahora?</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>以下结果无法读取，未打印：%1</source>
        <translation>Estos resultados no se pueden leer y no se han impreso: %1</translation>
    </message>
    <message>
        <source>Save Text</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>PrintPreviewQc</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <source>A5横向打印</source>
        <translation>A5 horizontal</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Subir logotipo</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Tamaño de fuente:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Vista previa</translation>
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
        <source>失败</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
</TS>
