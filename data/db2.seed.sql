-- Starting data of the shipped personnel database.

-- Navigation tree; rows in display order, parents before their children.
-- The position of a row in this order chooses the view the main window shows.
INSERT INTO "节点" ("父节点","节点编号","节点名","节点分类") VALUES
  ('0',  'n01', '人事档案',       1),
  ('n01','n02', '完整资料',       2),
  ('n01','n03', '分类资料',       3),
  ('n03','n04', '基本情况',       4),
  ('n03','n05', '工作情况',       5),
  ('n03','n06', '其他情况',       6),
  ('0',  'n07', '人事管理',       7),
  ('n07','n08', '离职人员',       8),
  ('n07','n09', '员工履历',       9),
  ('n07','n10', '人事培训',      10),
  ('n07','n11', '调动记录',      11),
  ('0',  'n12', '考核管理',      12),
  ('n12','n13', '经理级考核记录', 13),
  ('n12','n14', '员工级考核记录', 14);

INSERT INTO "部门表" ("部门") VALUES ('行政部'),('人事部'),('财务部'),('销售部'),('生产部'),('技术部');

INSERT INTO "横" ("hei") VALUES ('工作业绩'),('工作能力'),('工作态度'),('得分'),('备注');
INSERT INTO "经理竖2" ("su") VALUES ('上半年'),('下半年');
INSERT INTO "经理竖1" ("su") VALUES ('自我评价'),('上级评价'),('部门评价');
INSERT INTO "员工竖2" ("su") VALUES ('上半年'),('下半年');
INSERT INTO "员工竖1" ("su") VALUES ('自我评价'),('主管评价');

-- Placeholder rows: the manager and staff lists always show them, deletes refuse them.
INSERT INTO "员工信息" ("员工编号","姓名") VALUES ('.', ' ');
INSERT INTO "员工离职" ("员工编号","姓名") VALUES ('.', ' ');
INSERT INTO "培训" ("员工编号","姓名") VALUES ('.', ' ');
