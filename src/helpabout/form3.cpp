#include "helpabout/form3.h"

#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/session.h"
#include "helpabout/pictures.h"
#include "program/program.h"

using namespace Qt::StringLiterals;
using AutoSize = forms::Label::AutoSize;

namespace {

const QString NewLine = u"\r\n"_s;

} // namespace

Form3::Form3(forms::Session &session)
    : forms::Form(Menu::None)
    , m_session(session)
{
    setObjectName(u"Form3"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(u"Немного о программке :)"_s);
    setBackColor(forms::InactiveBorder);
    setClientSize(5850, 4800);

    QWidget *const form = client();
    // The program's icon, a decoration.
    forms::markDecorative(
        new forms::Picture(form, u"Image1"_s, {120, 120, 480, 480}, helpabout::programPicture()));

    const struct
    {
        const char16_t *name;
        forms::Place place;
        QString text;
    } lines[] = {
        {u"Label1", {720, 120, 1320, 210}, program::Title},
        {u"Label2", {720, 360, 3030, 210}, u"Автор: Иван Примеров (Пример)"_s},
        {u"Label10", {720, 600, 3510, 210}, u"Тестирование: Лев Тестов (Lev Testov)"_s},
        {u"Label4", {120, 840, 2235, 210}, u"Ну а теперь о программе:"_s},
        {u"Label5", {120, 1080, 4740, 210},
            u"Эту программу я создал в связи с горьким опытом!!!((("_s},
        {u"Label9", {120, 4200, 4185, 210}, u"Все предложения на мыло..... (см. координаты)"_s},
    };
    const QFont tahoma9 = forms::font(forms::Tahoma, 9);
    for (const auto &line : lines) {
        auto *label = new forms::Label(
            form, QString::fromUtf16(line.name), line.place, AutoSize::GrowRight);
        label->setFont(tahoma9);
        label->setCaption(line.text);
    }

    // The story, wrapped within fixed sizes.
    auto *label6 = new forms::Label(form, u"Label6"_s, {120, 1320, 5655, 1215}, AutoSize::Off);
    label6->setFont(tahoma9);
    label6->setCaption(
        u"Поясню... Однажды собирал я помоему МКТФ и не нашел резистора в своей \"кормушке\" "
        u"точно не помню какого (ну да это не важно) и решил подобрать с цветовой маркировкой "
        u"и тут появилась ПРОБЛЕМА: ну не буду же я мерить \"тестером\" наминал каждого????"_s);
    auto *label7 = new forms::Label(form, u"Label7"_s, {120, 2520, 5655, 1215}, AutoSize::Off);
    label7->setFont(tahoma9);
    label7->setCaption(
        u"Нашел я прогу которая прмяо обратна моей!!! (т.е. вводя цвета получаешь номинал), "
        u"Вывел из нее закономерности (не буду вдоваться в подробности, какие) и написал, дабы "
        u"другие радиолюбители не мучались))))"_s);
    auto *label8 = new forms::Label(form, u"Label8"_s, {120, 3720, 1245, 345}, AutoSize::GrowRight);
    label8->setFont(forms::font(forms::Tahoma, 14.25));
    label8->setCaption(u"Удачи!!!!!"_s);

    // Links in look only: blue and underlined, with the ordinary pointer.
    const QFont link = forms::font(forms::CourierNew, 9, {.underline = true});
    Label3 = new forms::Label(form, u"Label3"_s, {4200, 360, 1050, 225}, AutoSize::GrowRight);
    Label11 = new forms::Label(form, u"Label11"_s, {4200, 600, 1050, 225}, AutoSize::GrowRight);
    for (forms::Label *label : {Label3, Label11}) {
        label->setFont(link);
        label->setForeColor(forms::rgb(0, 0, 255));
        label->setCaption(u"координаты"_s);
    }
    Label3->setActsAsButton(u"Контакты автора, Ивана Примерова"_s);
    Label11->setActsAsButton(u"Контакты соавтора, Льва Тестова"_s);
    connect(Label3, &forms::Label::Click, this, &Form3::Label3_Click);
    connect(Label11, &forms::Label::Click, this, &Form3::Label11_Click);

    // The only control that takes the focus.
    Command1 = new forms::PushButton(form, u"Command1"_s, {2640, 4440, 615, 315}, forms::OkCaption);
    Command1->setFont(forms::font(forms::CourierNew, 12, {.bold = true}));
    Command1->setCancel();
    connect(Command1, &forms::PushButton::clicked, this, &Form3::Command1_Click);
    Command1->setFocus();
}

void Form3::Command1_Click()
{
    close();
}

void Form3::Label3_Click()
{
    m_session.MsgBox(u"Мыло (e-mail): ivan.primerov@example.org,"_s + NewLine
            + u"Дом.адрес.: Россия, Примерная обл.,"_s + NewLine + u"с. Примерное"_s,
        forms::vbInformation, u"О мне"_s);
}

void Form3::Label11_Click()
{
    m_session.MsgBox(u"Мыло (e-mail): lev.testov@example.org"_s + NewLine
            + u"URL: https://testov.example.org/"_s,
        forms::vbInformation, u"О соавторе"_s);
}
