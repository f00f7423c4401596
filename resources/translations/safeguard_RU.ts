<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>恢复成功。被替换的数据库已保留为：%1</source>
        <translation>Восстановление выполнено. Заменённая база данных сохранена как: %1</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>该结果的患者信息无法读取，未保存</source>
        <translation>Не удаётся прочитать сведения о пациенте для этого результата; ничего не сохранено.</translation>
    </message>
</context>
<context>
    <name>printTool</name>
    <message>
        <location filename="../../report/printTool.cpp" />
        <source>没有可用的打印机，报告未打印。请连接打印机并将其设为默认打印机后重试。</source>
        <translation>Нет доступного принтера, отчёт не напечатан. Подключите принтер, назначьте его принтером по умолчанию и повторите попытку.</translation>
    </message>
</context>
</TS>
