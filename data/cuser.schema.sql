-- The user database cuser.mdb, encrypted with its database password.
CREATE TABLE "cuser" ("cname" TEXT COLLATE NOCASE, "cpwd" TEXT);
