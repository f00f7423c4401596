<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”不是有效的日期，请按“年-月-日”填写，例如 2020-05-17。未保存。</source>
        <translation>La fecha de nacimiento «%1» no es una fecha válida. Introdúzcala como año-mes-día, p. ej. 2020-05-17. No se ha guardado nada.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”晚于检测时间 %2，请检查后再保存。未保存。</source>
        <translation>La fecha de nacimiento «%1» es posterior a la hora del análisis %2. Compruébela y vuelva a guardar. No se ha guardado nada.</translation>
    </message>
</context>
</TS>
