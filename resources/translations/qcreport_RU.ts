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
<context>
    <name>PrintPreviewQc</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Отображение результата</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Стрелка</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Формат отчёта</translation>
    </message>
    <message>
        <source>A5横向打印</source>
        <translation>A5 альбомная</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Загрузить логотип</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Размер шрифта:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Не удалось сохранить</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
</context>
</TS>
