<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>PrintPreview</name>
    <message>
        <source>打印设置</source>
        <translation>Настройки печати</translation>
    </message>
    <message>
        <source>检测</source>
        <translation>Анализы</translation>
    </message>
    <message>
        <source>质控</source>
        <translation>Контроль качества</translation>
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
        <source>其它格式</source>
        <translation>Другой формат</translation>
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
        <source>A4临床意义打印</source>
        <translation>A4 с клиническим значением</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Необязательные элементы</translation>
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
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>责任声明</source>
        <translation>Заявление об ответственности</translation>
    </message>
</context>
</TS>
