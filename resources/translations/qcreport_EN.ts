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
<context>
    <name>PrintPreviewQc</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Result hint</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Report paper</translation>
    </message>
    <message>
        <source>A5横向打印</source>
        <translation>A5 landscape</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Upload logo</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Font size:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
</context>
</TS>
