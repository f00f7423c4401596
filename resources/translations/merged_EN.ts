<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>ConsolidatedReport</name>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="17" />
        <source>合并报告预览</source>
        <translation>Merged report preview</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="42" />
        <source>生化检验报告单</source>
        <translation>Biochemistry Test Report</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="66" />
        <source>科室：</source>
        <translation>Department:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="93" />
        <source>患者编号：</source>
        <translation>Patient ID:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="120" />
        <source>年龄：</source>
        <translation>Age:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="137" />
        <source>年</source>
        <translation>y</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="154" />
        <source>月</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="171" />
        <source>性别：</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="198" />
        <source>姓名：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="225" />
        <source>生日：</source>
        <translation>Birthday:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="246" />
        <source>样本类型：</source>
        <translation>Sample type:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="279" />
        <source>样本编号：</source>
        <translation>Sample ID:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="300" />
        <source>采样时间：</source>
        <translation>Sampling time:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="336" />
        <source>项目名称</source>
        <translation>Item</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="341" />
        <source>全称</source>
        <translation>Full name</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="346" />
        <source>检测结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="351" />
        <source>靶值</source>
        <translation>Target</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="356" />
        <source>参考范围</source>
        <translation>Reference range</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="361" />
        <source>参考单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="380" />
        <source>送检时间：</source>
        <translation>Submission time:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="407" />
        <source>检验时间：</source>
        <translation>Test time:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="434" />
        <source>打印时间：</source>
        <translation>Print time:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="448" />
        <source>送检者：</source>
        <translation>Sent by:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="462" />
        <source>检验者：</source>
        <translation>Tested by:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="476" />
        <source>审核者：</source>
        <translation>Reviewer:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="490" />
        <source>临床诊断：</source>
        <translation>Clinical diagnosis:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="510" />
        <source>诊断备注：</source>
        <translation>Diagnosis remark:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="529" />
        <source>注：若中文名称为空时，打印预览则显示系统默认中文名称。</source>
        <translation>Note: when the full name is empty, the print preview shows the default name of the item.</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="563" />
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="585" />
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="607" />
        <source>生成PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="629" />
        <source>删除行（Del）</source>
        <translation>Delete row (Del)</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="197" />
        <source>Save Text</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="211" />
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="212" />
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>The file cannot be written. Check the path or close the program that has the file open: %1</translation>
    </message>
</context>
</TS>
