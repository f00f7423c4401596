<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>T</name>
    <message>
        <source>生化分析仪质控报告单</source>
        <translation>Biochemistry Analyzer QC Report</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>QC material</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>QC lot</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>QC 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>QC 2</translation>
    </message>
    <message>
        <source>责任声明</source>
        <translation>Statement of responsibility</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>该结果无法读取，未生成报告</source>
        <translation>This result cannot be read; no report was made.</translation>
    </message>
    <message>
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>The file cannot be written. Check the path or close the program that has the file open: %1</translation>
    </message>
    <message>
        <source>请勾选打印报告</source>
        <translation>Please tick the reports to print</translation>
    </message>
    <message>
        <source>确认打印吗？</source>
        <translation>Print now?</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>以下结果无法读取，未打印：%1</source>
        <translation>These results cannot be read and were not printed: %1</translation>
    </message>
    <message>
        <source>Save Text</source>
        <translation>Save As</translation>
    </message>
</context>
</TS>
