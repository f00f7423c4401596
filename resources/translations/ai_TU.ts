<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>dlgAiResult</name>
    <message>
        <source>AI分析</source>
        <translation>Yapay zekâ analizi</translation>
    </message>
    <message>
        <source>正在分析，请稍候…</source>
        <translation>Analiz ediliyor, lütfen bekleyin…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>AI分析服务器地址无效：%1</source>
        <translation>Yapay zekâ analiz sunucusunun adresi geçersiz: %1</translation>
    </message>
    <message>
        <source>无法连接AI分析服务器：%1</source>
        <translation>Yapay zekâ analiz sunucusuna ulaşılamıyor: %1</translation>
    </message>
    <message>
        <source>AI分析服务器报告错误：%1</source>
        <translation>Yapay zekâ analiz sunucusu bir hata bildirdi: %1</translation>
    </message>
    <message>
        <source>AI分析的回答不完整，结果未保存</source>
        <translation>Yapay zekâ analiz yanıtı eksik; kaydedilmedi.</translation>
    </message>
    <message>
        <source>AI分析服务器没有及时回答，结果未保存</source>
        <translation>Yapay zekâ analiz sunucusu zamanında yanıt vermedi; hiçbir şey kaydedilmedi.</translation>
    </message>
    <message>
        <source>AI分析服务器的回答无法识别，结果未保存</source>
        <translation>Yapay zekâ analiz sunucusunun yanıtı okunamadı; kaydedilmedi.</translation>
    </message>
    <message>
        <source>AI分析服务器没有给出结果</source>
        <translation>Yapay zekâ analiz sunucusu sonuç vermedi.</translation>
    </message>
</context>
<context>
    <name>Index</name>
    <message>
        <source>AI分析结果保存失败</source>
        <translation>Yapay zekâ analizi sonuçla birlikte kaydedilemedi.</translation>
    </message>
</context>
</TS>
