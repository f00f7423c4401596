<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>dlgAiResult</name>
    <message>
        <source>AI分析</source>
        <translation>Análise de IA</translation>
    </message>
    <message>
        <source>正在分析，请稍候…</source>
        <translation>A analisar, aguarde…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>AI分析服务器地址无效：%1</source>
        <translation>O endereço do servidor de análise de IA não é válido: %1</translation>
    </message>
    <message>
        <source>无法连接AI分析服务器：%1</source>
        <translation>Não é possível contactar o servidor de análise de IA: %1</translation>
    </message>
    <message>
        <source>AI分析服务器报告错误：%1</source>
        <translation>O servidor de análise de IA comunicou um erro: %1</translation>
    </message>
    <message>
        <source>AI分析的回答不完整，结果未保存</source>
        <translation>A resposta da análise de IA está incompleta; não foi guardada.</translation>
    </message>
    <message>
        <source>AI分析服务器没有及时回答，结果未保存</source>
        <translation>O servidor de análise de IA não respondeu a tempo; nada foi guardado.</translation>
    </message>
    <message>
        <source>AI分析服务器的回答无法识别，结果未保存</source>
        <translation>A resposta do servidor de análise de IA não pôde ser lida; não foi guardada.</translation>
    </message>
    <message>
        <source>AI分析服务器没有给出结果</source>
        <translation>O servidor de análise de IA não devolveu nenhum resultado.</translation>
    </message>
</context>
<context>
    <name>Index</name>
    <message>
        <source>AI分析结果保存失败</source>
        <translation>Não foi possível guardar a análise de IA com o resultado.</translation>
    </message>
</context>
</TS>
