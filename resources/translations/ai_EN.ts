<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>dlgAiResult</name>
    <message>
        <source>AI分析</source>
        <translation>AI analysis</translation>
    </message>
    <message>
        <source>正在分析，请稍候…</source>
        <translation>Analysing, please wait…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>AI分析服务器地址无效：%1</source>
        <translation>The AI analysis server address is not valid: %1</translation>
    </message>
    <message>
        <source>无法连接AI分析服务器：%1</source>
        <translation>Cannot reach the AI analysis server: %1</translation>
    </message>
    <message>
        <source>AI分析服务器报告错误：%1</source>
        <translation>The AI analysis server reported an error: %1</translation>
    </message>
    <message>
        <source>AI分析的回答不完整，结果未保存</source>
        <translation>The AI analysis answer is incomplete; it was not saved.</translation>
    </message>
    <message>
        <source>AI分析服务器没有及时回答，结果未保存</source>
        <translation>The AI analysis server did not answer in time; nothing was saved.</translation>
    </message>
    <message>
        <source>AI分析服务器的回答无法识别，结果未保存</source>
        <translation>The answer of the AI analysis server could not be read; it was not saved.</translation>
    </message>
    <message>
        <source>AI分析服务器没有给出结果</source>
        <translation>The AI analysis server gave no result.</translation>
    </message>
</context>
<context>
    <name>Index</name>
    <message>
        <source>AI分析结果保存失败</source>
        <translation>The AI analysis could not be saved with the result.</translation>
    </message>
</context>
</TS>
