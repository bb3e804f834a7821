#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

namespace halvern {

struct frmllrcUi {
    QGroupBox* Frame1 = nullptr;  // "详细覆历："
    QLabel* Label1 = nullptr;     // "受教育背景："
    QLabel* Label2 = nullptr;     // "工作经历："
    QLabel* Label3 = nullptr;     // "奖罚记录："
    QLabel* Label4 = nullptr;     // "在本公司经历："
    QTextEdit* RichTextBox1 = nullptr;  // 教育背景
    QTextEdit* RichTextBox2 = nullptr;  // 工作经历
    QTextEdit* RichTextBox3 = nullptr;  // 奖罚记录
    QTextEdit* RichTextBox4 = nullptr;  // 本公司经历
    QPushButton* Command1 = nullptr;    // "确  定"
    void setupUi(QWidget* window);
};

}  // namespace halvern
