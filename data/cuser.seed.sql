INSERT INTO "cuser" ("cname","cpwd") VALUES ('lorap','lorap');
