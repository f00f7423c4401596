<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>RecycleBin</name>
    <message>
        <source>质控回收站</source>
        <translation>Papelera de CC</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Hora de la prueba</translation>
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
        <source>设备编号</source>
        <translation>ID del equipo</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>请选择要恢复的记录</source>
        <translation>Seleccione los registros a restaurar</translation>
    </message>
    <message>
        <source>确认恢复该记录？</source>
        <translation>¿Restaurar este registro?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>恢复失败</source>
        <translation>Error al restaurar</translation>
    </message>
    <message>
        <source>恢复成功！</source>
        <translation>¡Restaurado!</translation>
    </message>
</context>
<context>
    <name>dlgQcQuery</name>
    <message>
        <source>质控查询</source>
        <translation>Consulta de CC</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Material de CC</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>CC 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>CC 2</translation>
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
        <source>设备编号</source>
        <translation>ID del equipo</translation>
    </message>
    <message>
        <source>检测项目</source>
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>Fecha de fin</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>质控</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>质控信息</source>
        <translation>Datos de CC</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Material de CC</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>CC 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>CC 2</translation>
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
        <source>检测时间</source>
        <translation>Hora de la prueba</translation>
    </message>
    <message>
        <source>检验者</source>
        <translation>Examinador</translation>
    </message>
    <message>
        <source>审核者</source>
        <translation>Revisor</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>删除项目</source>
        <translation>Eliminar parámetro</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>打印(F2)</source>
        <translation>Imprimir (F2)</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>导出Excel</source>
        <translation>Exportar Excel</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID del equipo</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>靶值</source>
        <translation>Valor diana</translation>
    </message>
    <message>
        <source>质控范围</source>
        <translation>Rango de CC</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>请选择一条质控记录</source>
        <translation>Seleccione un registro de CC</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>确认删除吗？</source>
        <translation>¿Eliminar la selección?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Error al eliminar</translation>
    </message>
</context>
</TS>
