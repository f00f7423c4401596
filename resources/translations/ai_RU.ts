<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>dlgAiResult</name>
    <message>
        <source>AI分析</source>
        <translation>ИИ-анализ</translation>
    </message>
    <message>
        <source>正在分析，请稍候…</source>
        <translation>Идёт анализ, подождите…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>AI分析服务器地址无效：%1</source>
        <translation>Неверный адрес сервера ИИ-анализа: %1</translation>
    </message>
    <message>
        <source>无法连接AI分析服务器：%1</source>
        <translation>Не удаётся связаться с сервером ИИ-анализа: %1</translation>
    </message>
    <message>
        <source>AI分析服务器报告错误：%1</source>
        <translation>Сервер ИИ-анализа сообщил об ошибке: %1</translation>
    </message>
    <message>
        <source>AI分析的回答不完整，结果未保存</source>
        <translation>Ответ ИИ-анализа неполон; он не сохранён.</translation>
    </message>
    <message>
        <source>AI分析服务器没有及时回答，结果未保存</source>
        <translation>Сервер ИИ-анализа не ответил вовремя; ничего не сохранено.</translation>
    </message>
    <message>
        <source>AI分析服务器的回答无法识别，结果未保存</source>
        <translation>Ответ сервера ИИ-анализа не удалось прочитать; он не сохранён.</translation>
    </message>
    <message>
        <source>AI分析服务器没有给出结果</source>
        <translation>Сервер ИИ-анализа не дал результата.</translation>
    </message>
</context>
<context>
    <name>Index</name>
    <message>
        <source>AI分析结果保存失败</source>
        <translation>Не удалось сохранить ИИ-анализ вместе с результатом.</translation>
    </message>
</context>
</TS>
