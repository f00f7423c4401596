<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>T</name>
    <message>
        <source>生化分析仪质控报告单</source>
        <translation>Отчёт КК биохимического анализатора</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Контрольный материал</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>Партия контроля</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Отделение</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>Контроль 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>Контроль 2</translation>
    </message>
    <message>
        <source>责任声明</source>
        <translation>Заявление об ответственности</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>该结果无法读取，未生成报告</source>
        <translation>Этот результат не читается; отчёт не создан.</translation>
    </message>
    <message>
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Не удаётся записать файл. Проверьте путь или закройте программу, использующую файл: %1</translation>
    </message>
    <message>
        <source>请勾选打印报告</source>
        <translation>Отметьте отчёты для печати</translation>
    </message>
    <message>
        <source>确认打印吗？</source>
        <translation>Печатать?</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>以下结果无法读取，未打印：%1</source>
        <translation>Эти результаты не читаются и не напечатаны: %1</translation>
    </message>
    <message>
        <source>Save Text</source>
        <translation>Сохранить как</translation>
    </message>
</context>
</TS>
