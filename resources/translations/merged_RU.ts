<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru_RU">
<context>
    <name>ConsolidatedReport</name>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="17" />
        <source>合并报告预览</source>
        <translation>Предпросмотр объединённого отчёта</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="42" />
        <source>生化检验报告单</source>
        <translation>Биохимический анализ</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="66" />
        <source>科室：</source>
        <translation>Отделение:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="93" />
        <source>患者编号：</source>
        <translation>ID пациента:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="120" />
        <source>年龄：</source>
        <translation>Возраст:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="137" />
        <source>年</source>
        <translation>г</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="154" />
        <source>月</source>
        <translation>м</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="171" />
        <source>性别：</source>
        <translation>Пол:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="198" />
        <source>姓名：</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="225" />
        <source>生日：</source>
        <translation>Дата рождения:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="246" />
        <source>样本类型：</source>
        <translation>Тип образца:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="279" />
        <source>样本编号：</source>
        <translation>ID образца:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="300" />
        <source>采样时间：</source>
        <translation>Время взятия:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="336" />
        <source>项目名称</source>
        <translation>Показатель</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="341" />
        <source>全称</source>
        <translation>Полное название</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="346" />
        <source>检测结果</source>
        <translation>Результат</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="351" />
        <source>靶值</source>
        <translation>Целевое значение</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="356" />
        <source>参考范围</source>
        <translation>Референсный интервал</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="361" />
        <source>参考单位</source>
        <translation>Единица</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="380" />
        <source>送检时间：</source>
        <translation>Время направления:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="407" />
        <source>检验时间：</source>
        <translation>Время анализа:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="434" />
        <source>打印时间：</source>
        <translation>Время печати:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="448" />
        <source>送检者：</source>
        <translation>Направил:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="462" />
        <source>检验者：</source>
        <translation>Исполнитель:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="476" />
        <source>审核者：</source>
        <translation>Проверил:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="490" />
        <source>临床诊断：</source>
        <translation>Клинический диагноз:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="510" />
        <source>诊断备注：</source>
        <translation>Примечание к диагнозу:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="529" />
        <source>注：若中文名称为空时，打印预览则显示系统默认中文名称。</source>
        <translation>Примечание: если полное название пусто, в предпросмотре печати показывается название показателя по умолчанию.</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="563" />
        <source>打印</source>
        <translation>Печать</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="585" />
        <source>打印预览</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="607" />
        <source>生成PDF</source>
        <translation>Создать PDF</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="629" />
        <source>删除行（Del）</source>
        <translation>Удалить строку (Del)</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="197" />
        <source>Save Text</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="211" />
        <source>失败</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="212" />
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Не удаётся записать файл. Проверьте путь или закройте программу, использующую файл: %1</translation>
    </message>
</context>
</TS>
