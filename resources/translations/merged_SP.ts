<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es_ES">
<context>
    <name>ConsolidatedReport</name>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="17" />
        <source>合并报告预览</source>
        <translation>Vista previa del informe combinado</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="42" />
        <source>生化检验报告单</source>
        <translation>Informe de bioquímica</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="66" />
        <source>科室：</source>
        <translation>Departamento:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="93" />
        <source>患者编号：</source>
        <translation>ID del paciente:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="120" />
        <source>年龄：</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="137" />
        <source>年</source>
        <translation>a</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="154" />
        <source>月</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="171" />
        <source>性别：</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="198" />
        <source>姓名：</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="225" />
        <source>生日：</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="246" />
        <source>样本类型：</source>
        <translation>Tipo de muestra:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="279" />
        <source>样本编号：</source>
        <translation>ID de muestra:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="300" />
        <source>采样时间：</source>
        <translation>Hora de muestreo:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="336" />
        <source>项目名称</source>
        <translation>Parámetro</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="341" />
        <source>全称</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="346" />
        <source>检测结果</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="351" />
        <source>靶值</source>
        <translation>Valor diana</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="356" />
        <source>参考范围</source>
        <translation>Rango de referencia</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="361" />
        <source>参考单位</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="380" />
        <source>送检时间：</source>
        <translation>Hora de envío:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="407" />
        <source>检验时间：</source>
        <translation>Analizado el:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="434" />
        <source>打印时间：</source>
        <translation>Hora de impresión:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="448" />
        <source>送检者：</source>
        <translation>Enviado por:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="462" />
        <source>检验者：</source>
        <translation>Analista:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="476" />
        <source>审核者：</source>
        <translation>Revisor:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="490" />
        <source>临床诊断：</source>
        <translation>Diagnóstico clínico:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="510" />
        <source>诊断备注：</source>
        <translation>Observación del diagnóstico:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="529" />
        <source>注：若中文名称为空时，打印预览则显示系统默认中文名称。</source>
        <translation>Nota: si el nombre completo está vacío, la vista previa muestra el nombre predeterminado del parámetro.</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="563" />
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="585" />
        <source>打印预览</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="607" />
        <source>生成PDF</source>
        <translation>Generar PDF</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="629" />
        <source>删除行（Del）</source>
        <translation>Eliminar fila (Supr)</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="197" />
        <source>Save Text</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="211" />
        <source>失败</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="212" />
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>No se puede escribir el archivo. Compruebe la ruta o cierre el programa que lo está usando: %1</translation>
    </message>
</context>
</TS>
