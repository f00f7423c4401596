<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>dlgAiResult</name>
    <message>
        <source>AI分析</source>
        <translation>Analyse IA</translation>
    </message>
    <message>
        <source>正在分析，请稍候…</source>
        <translation>Analyse en cours, veuillez patienter…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>AI分析服务器地址无效：%1</source>
        <translation>L'adresse du serveur d'analyse IA n'est pas valide : %1</translation>
    </message>
    <message>
        <source>无法连接AI分析服务器：%1</source>
        <translation>Impossible de joindre le serveur d'analyse IA : %1</translation>
    </message>
    <message>
        <source>AI分析服务器报告错误：%1</source>
        <translation>Le serveur d'analyse IA a signalé une erreur : %1</translation>
    </message>
    <message>
        <source>AI分析的回答不完整，结果未保存</source>
        <translation>La réponse de l'analyse IA est incomplète ; elle n'a pas été enregistrée.</translation>
    </message>
    <message>
        <source>AI分析服务器没有及时回答，结果未保存</source>
        <translation>Le serveur d'analyse IA n'a pas répondu à temps ; rien n'a été enregistré.</translation>
    </message>
    <message>
        <source>AI分析服务器的回答无法识别，结果未保存</source>
        <translation>La réponse du serveur d'analyse IA est illisible ; elle n'a pas été enregistrée.</translation>
    </message>
    <message>
        <source>AI分析服务器没有给出结果</source>
        <translation>Le serveur d'analyse IA n'a donné aucun résultat.</translation>
    </message>
</context>
<context>
    <name>Index</name>
    <message>
        <source>AI分析结果保存失败</source>
        <translation>Impossible d'enregistrer l'analyse IA avec le résultat.</translation>
    </message>
</context>
</TS>
