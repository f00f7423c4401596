<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>Animalsex</name>
    <message>
        <source>动物性别</source>
        <translation>Sexo del animal</translation>
    </message>
</context>
<context>
    <name>Clinical</name>
    <message>
        <source>临床意义</source>
        <translation>Significado clínico</translation>
    </message>
</context>
<context>
    <name>Clinicaldiagnosis</name>
    <message>
        <source>临床诊断</source>
        <translation>Diagnósticos clínicos</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Hospitalname</name>
    <message>
        <source>医院信息</source>
        <translation>Datos de la clínica</translation>
    </message>
    <message>
        <source>医院名称：</source>
        <translation>Nombre de la clínica:</translation>
    </message>
    <message>
        <source>地址：</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>电话：</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>邮箱：</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Inspect</name>
    <message>
        <source>诊断备注</source>
        <translation>Observaciones de diagnóstico</translation>
    </message>
</context>
<context>
    <name>Inspector</name>
    <message>
        <source>检验人</source>
        <translation>Analistas</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>语言设置</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Guardado correctamente</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Error al guardar</translation>
    </message>
</context>
<context>
    <name>Referencevalue</name>
    <message>
        <source>项目名称</source>
        <translation>Nombres de las pruebas</translation>
    </message>
</context>
<context>
    <name>Reviewer</name>
    <message>
        <source>审核人</source>
        <translation>Revisores</translation>
    </message>
</context>
<context>
    <name>Sampletype</name>
    <message>
        <source>样本类型</source>
        <translation>Tipos de muestra</translation>
    </message>
</context>
<context>
    <name>Sendinspector</name>
    <message>
        <source>送检人</source>
        <translation>Remitentes</translation>
    </message>
</context>
<context>
    <name>SettingDialog</name>
    <message>
        <source>系统设置</source>
        <translation>Configuración del sistema</translation>
    </message>
    <message>
        <source>常规设置</source>
        <translation>General</translation>
    </message>
    <message>
        <source>医院信息</source>
        <translation>Datos de la clínica</translation>
    </message>
    <message>
        <source>单位设置</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>数据源地区</source>
        <translation>Región de la nube</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Configuración de impresión</translation>
    </message>
    <message>
        <source>字典维护</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Departamentos</translation>
    </message>
    <message>
        <source>临床诊断</source>
        <translation>Diagnósticos clínicos</translation>
    </message>
    <message>
        <source>诊断备注</source>
        <translation>Observaciones de diagnóstico</translation>
    </message>
    <message>
        <source>检验人</source>
        <translation>Analistas</translation>
    </message>
    <message>
        <source>审核人</source>
        <translation>Revisores</translation>
    </message>
    <message>
        <source>样本类型</source>
        <translation>Tipos de muestra</translation>
    </message>
    <message>
        <source>送检人</source>
        <translation>Remitentes</translation>
    </message>
    <message>
        <source>动物性别</source>
        <translation>Sexo del animal</translation>
    </message>
    <message>
        <source>项目名称</source>
        <translation>Nombres de las pruebas</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Significado clínico</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>设备账号</source>
        <translation>Cuentas de dispositivos</translation>
    </message>
    <message>
        <source>软件信息</source>
        <translation>Información del software</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>清除网络数据缓存</source>
        <translation>Borrar caché de datos de red</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>确认清除网络数据缓存吗？</source>
        <translation>¿Borrar la caché de datos de red?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>清除失败</source>
        <translation>Error al borrar</translation>
    </message>
    <message>
        <source>清除成功</source>
        <translation>Borrado correctamente</translation>
    </message>
    <message>
        <source>盘片项目配置</source>
        <translation>Configuración de parámetros del panel</translation>
    </message>
</context>
<context>
    <name>SiUnit</name>
    <message>
        <source>单位设置</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>结果单位</source>
        <translation>Unidades de los resultados</translation>
    </message>
    <message>
        <source>国际单位</source>
        <translation>Unidades SI</translation>
    </message>
    <message>
        <source>常规单位</source>
        <translation>Unidades convencionales</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>科室</source>
        <translation>Departamentos</translation>
    </message>
</context>
<context>
    <name>dbresource</name>
    <message>
        <source>数据源地区</source>
        <translation>Región de la nube</translation>
    </message>
    <message>
        <source>云服务器地区</source>
        <translation>Región del servidor en la nube</translation>
    </message>
    <message>
        <source>中国区</source>
        <translation>China</translation>
    </message>
    <message>
        <source>海外区</source>
        <translation>Internacional</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dlgEditText</name>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dlgSetProjectGroup</name>
    <message>
        <source>项目组：</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>勾选的项目不在结果和报告中显示</source>
        <translation>Las pruebas marcadas no se muestran en los resultados ni en los informes</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dlgTableEditor</name>
    <message>
        <source>添加</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>Descartar cambios</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Significado clínico</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>项目编号</source>
        <translation>Número de prueba</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>放弃未保存的修改吗？</source>
        <translation>¿Descartar los cambios no guardados?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>中文名称</source>
        <translation>Nombre chino</translation>
    </message>
</context>
</TS>
