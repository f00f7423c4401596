-- Word-translation table of the program: one row per word that the analyzer sends as a number
-- or a code, the word in each of the eight languages.
--
-- Columns: "id" (the row id the code maps use) and one column per language key, named exactly as
-- the language key of "./saveFile/systemsetting.ini": Chinese, English, Italian, French,
-- Portuguese, Russian, Spanish, Turkish. A lookup reads the column of the current language.
--
-- Rows:  1-6   departments (analyzer division codes 0-5)
--        7-9   sample types (codes 0-2)
--       10-11  sex (codes 0 male, 1 female)
--       12-28  panel groups (panel ids 0-16)
--       29-71  analytes, by code (see analyteIdMap: "TP" 29, "ALB" 30 ... "BUN" 71)
CREATE TABLE langs (
    id INTEGER PRIMARY KEY,
    Chinese TEXT NOT NULL,
    English TEXT NOT NULL,
    Italian TEXT NOT NULL,
    French TEXT NOT NULL,
    Portuguese TEXT NOT NULL,
    Russian TEXT NOT NULL,
    Spanish TEXT NOT NULL,
    Turkish TEXT NOT NULL
);
BEGIN;
INSERT INTO langs VALUES (1, '内科', 'Internal medicine', 'Medicina interna', 'Médecine interne', 'Medicina interna', 'Терапия', 'Medicina interna', 'Dahiliye');
INSERT INTO langs VALUES (2, '外科', 'Surgery', 'Chirurgia', 'Chirurgie', 'Cirurgia', 'Хирургия', 'Cirugía', 'Cerrahi');
INSERT INTO langs VALUES (3, '急诊科', 'Emergency', 'Pronto soccorso', 'Urgences', 'Emergência', 'Неотложная помощь', 'Urgencias', 'Acil');
INSERT INTO langs VALUES (4, '体检科', 'Health check', 'Check-up', 'Bilan de santé', 'Check-up', 'Профосмотр', 'Chequeo', 'Sağlık kontrolü');
INSERT INTO langs VALUES (5, '住院部', 'Inpatient', 'Degenza', 'Hospitalisation', 'Internamento', 'Стационар', 'Hospitalización', 'Yatan hasta');
INSERT INTO langs VALUES (6, '其他', 'Other', 'Altro', 'Autre', 'Outro', 'Другое', 'Otro', 'Diğer');
INSERT INTO langs VALUES (7, '血清', 'Serum', 'Siero', 'Sérum', 'Soro', 'Сыворотка', 'Suero', 'Serum');
INSERT INTO langs VALUES (8, '血浆', 'Plasma', 'Plasma', 'Plasma', 'Plasma', 'Плазма', 'Plasma', 'Plazma');
INSERT INTO langs VALUES (9, '全血', 'Whole blood', 'Sangue intero', 'Sang total', 'Sangue total', 'Цельная кровь', 'Sangre entera', 'Tam kan');
INSERT INTO langs VALUES (10, '雄性', 'Male', 'Maschio', 'Mâle', 'Macho', 'Самец', 'Macho', 'Erkek');
INSERT INTO langs VALUES (11, '雌性', 'Female', 'Femmina', 'Femelle', 'Fêmea', 'Самка', 'Hembra', 'Dişi');
INSERT INTO langs VALUES (12, '综合生化', 'Comprehensive panel', 'Profilo completo', 'Bilan complet', 'Painel completo', 'Комплексная панель', 'Perfil completo', 'Kapsamlı panel');
INSERT INTO langs VALUES (13, '肝功能', 'Liver panel', 'Profilo epatico', 'Bilan hépatique', 'Painel hepático', 'Печёночная панель', 'Perfil hepático', 'Karaciğer paneli');
INSERT INTO langs VALUES (14, '肾功能', 'Kidney panel', 'Profilo renale', 'Bilan rénal', 'Painel renal', 'Почечная панель', 'Perfil renal', 'Böbrek paneli');
INSERT INTO langs VALUES (15, '血脂', 'Lipid panel', 'Profilo lipidico', 'Bilan lipidique', 'Painel lipídico', 'Липидная панель', 'Perfil lipídico', 'Lipid paneli');
INSERT INTO langs VALUES (16, '电解质', 'Electrolyte panel', 'Profilo elettrolitico', 'Bilan électrolytique', 'Painel de eletrólitos', 'Электролиты', 'Perfil de electrolitos', 'Elektrolit paneli');
INSERT INTO langs VALUES (17, '心肌酶', 'Cardiac enzyme panel', 'Enzimi cardiaci', 'Enzymes cardiaques', 'Enzimas cardíacas', 'Кардиоферменты', 'Enzimas cardíacas', 'Kardiyak enzim paneli');
INSERT INTO langs VALUES (18, '术前检查', 'Pre-anaesthetic panel', 'Profilo pre-anestesia', 'Bilan pré-anesthésique', 'Painel pré-anestésico', 'Предоперационная панель', 'Perfil preanestésico', 'Anestezi öncesi panel');
INSERT INTO langs VALUES (19, '健康体检', 'Wellness panel', 'Profilo benessere', 'Bilan de santé', 'Painel de rotina', 'Профилактическая панель', 'Perfil de bienestar', 'Rutin kontrol paneli');
INSERT INTO langs VALUES (20, '急诊', 'Emergency panel', 'Profilo urgenze', 'Bilan d''urgence', 'Painel de emergência', 'Экстренная панель', 'Perfil de urgencias', 'Acil paneli');
INSERT INTO langs VALUES (21, '胰腺', 'Pancreas panel', 'Profilo pancreatico', 'Bilan pancréatique', 'Painel pancreático', 'Панкреатическая панель', 'Perfil pancreático', 'Pankreas paneli');
INSERT INTO langs VALUES (22, '血糖', 'Glucose panel', 'Profilo glicemico', 'Bilan glycémique', 'Painel de glicose', 'Глюкозная панель', 'Perfil de glucosa', 'Glikoz paneli');
INSERT INTO langs VALUES (23, '肝肾功能', 'Liver and kidney panel', 'Profilo epato-renale', 'Bilan hépato-rénal', 'Painel hepático e renal', 'Печёночно-почечная панель', 'Perfil hepatorrenal', 'Karaciğer ve böbrek paneli');
INSERT INTO langs VALUES (24, '猫综合', 'Feline comprehensive panel', 'Profilo completo felino', 'Bilan complet félin', 'Painel completo felino', 'Комплексная панель (кошки)', 'Perfil completo felino', 'Kedi kapsamlı paneli');
INSERT INTO langs VALUES (25, '犬综合', 'Canine comprehensive panel', 'Profilo completo canino', 'Bilan complet canin', 'Painel completo canino', 'Комплексная панель (собаки)', 'Perfil completo canino', 'Köpek kapsamlı paneli');
INSERT INTO langs VALUES (26, '异宠综合', 'Exotic comprehensive panel', 'Profilo completo esotici', 'Bilan complet NAC', 'Painel completo exóticos', 'Комплексная панель (экзоты)', 'Perfil completo exóticos', 'Egzotik kapsamlı panel');
INSERT INTO langs VALUES (27, '质控', 'QC panel', 'Profilo controllo qualità', 'Bilan contrôle qualité', 'Painel de controlo de qualidade', 'Панель контроля качества', 'Perfil de control de calidad', 'Kalite kontrol paneli');
INSERT INTO langs VALUES (28, '自定义', 'Custom panel', 'Profilo personalizzato', 'Bilan personnalisé', 'Painel personalizado', 'Пользовательская панель', 'Perfil personalizado', 'Özel panel');
INSERT INTO langs VALUES (29, '总蛋白', 'Total protein', 'Proteine totali', 'Protéines totales', 'Proteína total', 'Общий белок', 'Proteína total', 'Total protein');  -- TP
INSERT INTO langs VALUES (30, '白蛋白', 'Albumin', 'Albumina', 'Albumine', 'Albumina', 'Альбумин', 'Albúmina', 'Albümin');  -- ALB
INSERT INTO langs VALUES (31, '球蛋白', 'Globulin', 'Globuline', 'Globulines', 'Globulina', 'Глобулин', 'Globulina', 'Globulin');  -- GLOB
INSERT INTO langs VALUES (32, '白球比', 'Albumin/globulin ratio', 'Rapporto albumina/globuline', 'Rapport albumine/globulines', 'Relação albumina/globulina', 'Альбумин-глобулиновый коэффициент', 'Relación albúmina/globulina', 'Albümin/globulin oranı');  -- A/G
INSERT INTO langs VALUES (33, '总胆红素', 'Total bilirubin', 'Bilirubina totale', 'Bilirubine totale', 'Bilirrubina total', 'Общий билирубин', 'Bilirrubina total', 'Total bilirubin');  -- TBIL
INSERT INTO langs VALUES (34, '直接胆红素', 'Direct bilirubin', 'Bilirubina diretta', 'Bilirubine directe', 'Bilirrubina direta', 'Прямой билирубин', 'Bilirrubina directa', 'Direkt bilirubin');  -- DBIL
INSERT INTO langs VALUES (35, '间接胆红素', 'Indirect bilirubin', 'Bilirubina indiretta', 'Bilirubine indirecte', 'Bilirrubina indireta', 'Непрямой билирубин', 'Bilirrubina indirecta', 'İndirekt bilirubin');  -- IBIL
INSERT INTO langs VALUES (36, '丙氨酸氨基转移酶', 'Alanine aminotransferase', 'Alanina aminotransferasi', 'Alanine aminotransférase', 'Alanina aminotransferase', 'Аланинаминотрансфераза', 'Alanina aminotransferasa', 'Alanin aminotransferaz');  -- ALT
INSERT INTO langs VALUES (37, '天门冬氨酸氨基转移酶', 'Aspartate aminotransferase', 'Aspartato aminotransferasi', 'Aspartate aminotransférase', 'Aspartato aminotransferase', 'Аспартатаминотрансфераза', 'Aspartato aminotransferasa', 'Aspartat aminotransferaz');  -- AST
INSERT INTO langs VALUES (38, '碱性磷酸酶', 'Alkaline phosphatase', 'Fosfatasi alcalina', 'Phosphatase alcaline', 'Fosfatase alcalina', 'Щелочная фосфатаза', 'Fosfatasa alcalina', 'Alkalen fosfataz');  -- ALP
INSERT INTO langs VALUES (39, 'γ-谷氨酰转移酶', 'Gamma-glutamyl transferase', 'Gamma-glutamiltransferasi', 'Gamma-glutamyltransférase', 'Gama-glutamiltransferase', 'Гамма-глутамилтрансфераза', 'Gamma-glutamil transferasa', 'Gama-glutamil transferaz');  -- GGT
INSERT INTO langs VALUES (40, '总胆汁酸', 'Total bile acids', 'Acidi biliari totali', 'Acides biliaires totaux', 'Ácidos biliares totais', 'Общие желчные кислоты', 'Ácidos biliares totales', 'Total safra asitleri');  -- TBA
INSERT INTO langs VALUES (41, '胆碱酯酶', 'Cholinesterase', 'Colinesterasi', 'Cholinestérase', 'Colinesterase', 'Холинэстераза', 'Colinesterasa', 'Kolinesteraz');  -- CHE
INSERT INTO langs VALUES (42, '淀粉酶', 'Amylase', 'Amilasi', 'Amylase', 'Amilase', 'Амилаза', 'Amilasa', 'Amilaz');  -- AMY
INSERT INTO langs VALUES (43, '脂肪酶', 'Lipase', 'Lipasi', 'Lipase', 'Lipase', 'Липаза', 'Lipasa', 'Lipaz');  -- LPS
INSERT INTO langs VALUES (44, '肌酸激酶', 'Creatine kinase', 'Creatina chinasi', 'Créatine kinase', 'Creatina quinase', 'Креатинкиназа', 'Creatina quinasa', 'Kreatin kinaz');  -- CK
INSERT INTO langs VALUES (45, '肌酸激酶同工酶', 'Creatine kinase MB', 'Creatina chinasi MB', 'Créatine kinase MB', 'Creatina quinase MB', 'Креатинкиназа МВ', 'Creatina quinasa MB', 'Kreatin kinaz MB');  -- CK-MB
INSERT INTO langs VALUES (46, '乳酸脱氢酶', 'Lactate dehydrogenase', 'Lattato deidrogenasi', 'Lactate déshydrogénase', 'Lactato desidrogenase', 'Лактатдегидрогеназа', 'Lactato deshidrogenasa', 'Laktat dehidrogenaz');  -- LDH
INSERT INTO langs VALUES (47, '肌酐', 'Creatinine', 'Creatinina', 'Créatinine', 'Creatinina', 'Креатинин', 'Creatinina', 'Kreatinin');  -- CRE
INSERT INTO langs VALUES (48, '尿素', 'Urea', 'Urea', 'Urée', 'Ureia', 'Мочевина', 'Urea', 'Üre');  -- UREA
INSERT INTO langs VALUES (49, '尿酸', 'Uric acid', 'Acido urico', 'Acide urique', 'Ácido úrico', 'Мочевая кислота', 'Ácido úrico', 'Ürik asit');  -- UA
INSERT INTO langs VALUES (50, '葡萄糖', 'Glucose', 'Glucosio', 'Glucose', 'Glicose', 'Глюкоза', 'Glucosa', 'Glikoz');  -- GLU
INSERT INTO langs VALUES (51, '总胆固醇', 'Total cholesterol', 'Colesterolo totale', 'Cholestérol total', 'Colesterol total', 'Общий холестерин', 'Colesterol total', 'Total kolesterol');  -- TC
INSERT INTO langs VALUES (52, '胆固醇', 'Cholesterol', 'Colesterolo', 'Cholestérol', 'Colesterol', 'Холестерин', 'Colesterol', 'Kolesterol');  -- CHOL
INSERT INTO langs VALUES (53, '甘油三酯', 'Triglycerides', 'Trigliceridi', 'Triglycérides', 'Triglicerídeos', 'Триглицериды', 'Triglicéridos', 'Trigliserit');  -- TG
INSERT INTO langs VALUES (54, '高密度脂蛋白胆固醇', 'HDL cholesterol', 'Colesterolo HDL', 'Cholestérol HDL', 'Colesterol HDL', 'Холестерин ЛПВП', 'Colesterol HDL', 'HDL kolesterol');  -- HDL-C
INSERT INTO langs VALUES (55, '低密度脂蛋白胆固醇', 'LDL cholesterol', 'Colesterolo LDL', 'Cholestérol LDL', 'Colesterol LDL', 'Холестерин ЛПНП', 'Colesterol LDL', 'LDL kolesterol');  -- LDL-C
INSERT INTO langs VALUES (56, '钙', 'Calcium', 'Calcio', 'Calcium', 'Cálcio', 'Кальций', 'Calcio', 'Kalsiyum');  -- Ca
INSERT INTO langs VALUES (57, '离子钙', 'Ionised calcium', 'Calcio ionizzato', 'Calcium ionisé', 'Cálcio ionizado', 'Ионизированный кальций', 'Calcio iónico', 'İyonize kalsiyum');  -- Ca2+
INSERT INTO langs VALUES (58, '磷', 'Phosphorus', 'Fosforo', 'Phosphore', 'Fósforo', 'Фосфор', 'Fósforo', 'Fosfor');  -- P
INSERT INTO langs VALUES (59, '无机磷', 'Inorganic phosphate', 'Fosfato inorganico', 'Phosphate inorganique', 'Fosfato inorgânico', 'Неорганический фосфат', 'Fosfato inorgánico', 'İnorganik fosfat');  -- PHOS
INSERT INTO langs VALUES (60, '镁', 'Magnesium', 'Magnesio', 'Magnésium', 'Magnésio', 'Магний', 'Magnesio', 'Magnezyum');  -- Mg2+
INSERT INTO langs VALUES (61, '钾', 'Potassium', 'Potassio', 'Potassium', 'Potássio', 'Калий', 'Potasio', 'Potasyum');  -- K+
INSERT INTO langs VALUES (62, '钠', 'Sodium', 'Sodio', 'Sodium', 'Sódio', 'Натрий', 'Sodio', 'Sodyum');  -- Na+
INSERT INTO langs VALUES (63, '氯', 'Chloride', 'Cloruro', 'Chlorure', 'Cloreto', 'Хлорид', 'Cloruro', 'Klorür');  -- Cl-
INSERT INTO langs VALUES (64, '血氨', 'Ammonia', 'Ammoniaca', 'Ammoniaque', 'Amônia', 'Аммиак', 'Amoníaco', 'Amonyak');  -- NH3
INSERT INTO langs VALUES (65, '同型半胱氨酸', 'Homocysteine', 'Omocisteina', 'Homocystéine', 'Homocisteína', 'Гомоцистеин', 'Homocisteína', 'Homosistein');  -- HCY
INSERT INTO langs VALUES (66, 'C反应蛋白', 'C-reactive protein', 'Proteina C reattiva', 'Protéine C réactive', 'Proteína C reativa', 'С-реактивный белок', 'Proteína C reactiva', 'C-reaktif protein');  -- CRP
INSERT INTO langs VALUES (67, '果糖胺', 'Fructosamine', 'Fruttosamina', 'Fructosamine', 'Frutosamina', 'Фруктозамин', 'Fructosamina', 'Fruktozamin');  -- FRU
INSERT INTO langs VALUES (68, '乳酸', 'Lactate', 'Lattato', 'Lactate', 'Lactato', 'Лактат', 'Lactato', 'Laktat');  -- LAC
INSERT INTO langs VALUES (69, '总二氧化碳', 'Total carbon dioxide', 'Anidride carbonica totale', 'Dioxyde de carbone total', 'Dióxido de carbono total', 'Общий углекислый газ', 'Dióxido de carbono total', 'Total karbondioksit');  -- tCO2
INSERT INTO langs VALUES (70, '尿素氮/肌酐比', 'BUN/creatinine ratio', 'Rapporto BUN/creatinina', 'Rapport urée/créatinine', 'Relação ureia/creatinina', 'Отношение АМК/креатинин', 'Relación BUN/creatinina', 'BUN/kreatinin oranı');  -- B/C
INSERT INTO langs VALUES (71, '尿素氮', 'Blood urea nitrogen', 'Azoto ureico', 'Azote uréique', 'Nitrogênio ureico', 'Азот мочевины', 'Nitrógeno ureico', 'Kan üre azotu');  -- BUN
COMMIT;
