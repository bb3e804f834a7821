#include "FormshowkhUi.h"

#include "platform/Pictures.h"

namespace halvern {

using platform::TwipsToPixels;

namespace {

QRect px(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

QRect px(const QRect& twips) { return px(twips.x(), twips.y(), twips.width(), twips.height()); }

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& twips) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(px(twips));
    return l;
}

}  // namespace

void FormshowkhUi::setupUi(QWidget* window) {
    build(window, {QSize(10665, 8010), QRect(240, 360, 9855, 6975), QRect(6000, 360, 2175, 255),
                   QRect(6360, 600, 1575, 255), QRect(8040, 480, 1335, 270), QRect(840, 6840, 1575, 375),
                   QRect(2760, 6840, 1455, 375)});
}

void FormshowkhUi::build(QWidget* window, const SheetPlaces& p) {
    window->setWindowTitle(QStringLiteral("考核记录详细资料"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    window->setFont(QFont(QStringLiteral("宋体"), 9));
    window->setFixedSize(TwipsToPixels(p.client.width()), TwipsToPixels(p.client.height()));

    Frame1 = new QGroupBox(QStringLiteral("考评汇总表"), window);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(px(p.frame));
    Label1 = label(Frame1, "Label1", QStringLiteral("被考核人姓名："), {360, 360, 1695, 255});
    Label2 = label(Frame1, "Label2", QStringLiteral("所属部门："), {360, 720, 1455, 255});
    Label3 = label(Frame1, "Label3", QStringLiteral("职    务："), {360, 1080, 975, 255});
    Label4 = label(Frame1, "Label4", QString(), {1800, 360, 1455, 270});
    Label5 = label(Frame1, "Label5", QString(), {1800, 720, 1455, 270});
    Label6 = label(Frame1, "Label6", QString(), {1800, 1080, 1455, 270});
    Label7 = label(Frame1, "Label7", QStringLiteral("考核时间(请输入年份)："), p.label7);
    Label8 = label(Frame1, "Label8", QStringLiteral("(按回车确认)"), p.label8);
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(px(p.text1));

    MSFlexGrid1 = new platform::FlexGrid(Frame1);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setGeometry(px(240, 1560, 9195, 4695));
    MSFlexGrid1->setFont(QFont(QStringLiteral("宋体"), 9));
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);

    // Inside the grid's cell area: it scrolls with the cells and passes under the fixed ones.
    Input_Text = new QLineEdit(MSFlexGrid1->viewport());
    Input_Text->setObjectName(QStringLiteral("Input_Text"));
    Input_Text->resize(TwipsToPixels(1215), TwipsToPixels(280));
    Input_Text->setFocusPolicy(Qt::ClickFocus);
    Input_Text->setFrame(false);
    Input_Text->setAlignment(Qt::AlignCenter);
    Input_Text->hide();

    Command1 = new QPushButton(QStringLiteral("导入execel编辑"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(px(p.command1));
    Command2 = new QPushButton(QStringLiteral("编  辑"), window);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(px(p.command2));
}

}  // namespace halvern
