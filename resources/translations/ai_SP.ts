<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>dlgAiResult</name>
    <message>
        <source>AI分析</source>
        <translation>Análisis de IA</translation>
    </message>
    <message>
        <source>正在分析，请稍候…</source>
        <translation>Analizando, espere…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>AI分析服务器地址无效：%1</source>
        <translation>La dirección del servidor de análisis de IA no es válida: %1</translation>
    </message>
    <message>
        <source>无法连接AI分析服务器：%1</source>
        <translation>No se puede conectar con el servidor de análisis de IA: %1</translation>
    </message>
    <message>
        <source>AI分析服务器报告错误：%1</source>
        <translation>El servidor de análisis de IA informó de un error: %1</translation>
    </message>
    <message>
        <source>AI分析的回答不完整，结果未保存</source>
        <translation>La respuesta del análisis de IA está incompleta; no se ha guardado.</translation>
    </message>
    <message>
        <source>AI分析服务器没有及时回答，结果未保存</source>
        <translation>El servidor de análisis de IA no respondió a tiempo; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>AI分析服务器的回答无法识别，结果未保存</source>
        <translation>No se pudo leer la respuesta del servidor de análisis de IA; no se ha guardado.</translation>
    </message>
    <message>
        <source>AI分析服务器没有给出结果</source>
        <translation>El servidor de análisis de IA no dio ningún resultado.</translation>
    </message>
</context>
<context>
    <name>Index</name>
    <message>
        <source>AI分析结果保存失败</source>
        <translation>No se pudo guardar el análisis de IA con el resultado.</translation>
    </message>
</context>
</TS>
