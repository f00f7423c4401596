-- A main database as an older release made it: no birthday, testType, QcLot or aiResult in
-- PanelChkResult, no "show" in PanelQcResult, no referencevalue or clinical table.
BEGIN;
CREATE TABLE PanelChkResult (id INTEGER PRIMARY KEY AUTOINCREMENT, chkdatetime TEXT, machineid TEXT, panelid INTEGER, panelindex INTEGER, panellot INTEGER, patientinfo TEXT, testresults TEXT, mastername TEXT, speciesname TEXT, animalsexname TEXT, sampletypename TEXT, sendinspectorname TEXT, sendinspectordate TEXT, sampletime TEXT, inspectorname TEXT, reviewername TEXT, clinicalinformation TEXT, remark TEXT, state INTEGER, Errcode TEXT, status INTEGER);
CREATE TABLE PanelQcResult (id INTEGER PRIMARY KEY AUTOINCREMENT, chkdatetime TEXT, QcProduct INTEGER, QcLot TEXT, division TEXT, result TEXT, panelid INTEGER, panelindex INTEGER, panellot TEXT, machineid TEXT, inspectorname TEXT, reviewername TEXT, Errcode TEXT, patientinfo TEXT);
CREATE TABLE user (id INTEGER PRIMARY KEY AUTOINCREMENT, devicename TEXT, devicepassword TEXT);
CREATE TABLE species (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT);
INSERT INTO species (name) VALUES ('内科');
INSERT INTO user (devicename, devicepassword) VALUES ('QV1001', 'pw1');
INSERT INTO PanelChkResult (chkdatetime, machineid, panelid, panelindex, panellot, patientinfo, testresults, mastername, speciesname, animalsexname, sampletypename, sendinspectorname, sendinspectordate, sampletime, inspectorname, reviewername, clinicalinformation, remark, state, Errcode, status)
VALUES ('2023-05-01 09:30:00', 'QV1001', 3, 12, 2301, '{"name":"旺财","age":730,"id":"S-001","number":"7"}', '[{"N":"TP","I":[60,52,82,0,0,"g/L"]}]', '王先生', '1', '0', '1', '', NULL, NULL, '张敏', '', '', '', 1, '', 1);
INSERT INTO PanelChkResult (chkdatetime, machineid, panelid, panelindex, panellot, patientinfo, testresults, mastername, speciesname, animalsexname, sampletypename, sendinspectorname, sendinspectordate, sampletime, inspectorname, reviewername, clinicalinformation, remark, state, Errcode, status)
VALUES ('2023-05-02 10:00:00', 'QV1001', 3, 13, 2301, '{"name":"咪咪","age":400}', '[{"N":"ALB","I":[30,22,39,0,0,"g/L"]}]', '', '2', '1', '1', '', NULL, NULL, '', '', '', '', 0, '', 1);
INSERT INTO PanelQcResult (chkdatetime, QcProduct, QcLot, division, result, panelid, panelindex, panellot, machineid, inspectorname, reviewername, Errcode, patientinfo)
VALUES ('2023-05-03 08:00:00', 0, 'L2023', '1', '[{"N":"TP","I":[60,0,0,58,0,"g/L"]}]', 3, 14, '2301', 'QV1001', '', '', '', '{"Qc":true}');
COMMIT;
