<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>dlgAiResult</name>
    <message>
        <source>AI分析</source>
        <translation>Analisi IA</translation>
    </message>
    <message>
        <source>正在分析，请稍候…</source>
        <translation>Analisi in corso, attendere…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>AI分析服务器地址无效：%1</source>
        <translation>L'indirizzo del server di analisi IA non è valido: %1</translation>
    </message>
    <message>
        <source>无法连接AI分析服务器：%1</source>
        <translation>Impossibile raggiungere il server di analisi IA: %1</translation>
    </message>
    <message>
        <source>AI分析服务器报告错误：%1</source>
        <translation>Il server di analisi IA ha segnalato un errore: %1</translation>
    </message>
    <message>
        <source>AI分析的回答不完整，结果未保存</source>
        <translation>La risposta dell'analisi IA è incompleta; non è stata salvata.</translation>
    </message>
    <message>
        <source>AI分析服务器没有及时回答，结果未保存</source>
        <translation>Il server di analisi IA non ha risposto in tempo; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>AI分析服务器的回答无法识别，结果未保存</source>
        <translation>La risposta del server di analisi IA non è leggibile; non è stata salvata.</translation>
    </message>
    <message>
        <source>AI分析服务器没有给出结果</source>
        <translation>Il server di analisi IA non ha fornito alcun risultato.</translation>
    </message>
</context>
<context>
    <name>Index</name>
    <message>
        <source>AI分析结果保存失败</source>
        <translation>Impossibile salvare l'analisi IA con il risultato.</translation>
    </message>
</context>
</TS>
