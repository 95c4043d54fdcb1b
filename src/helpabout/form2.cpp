#include "helpabout/form2.h"

#include "forms/controls.h"
#include "forms/fonts.h"

using namespace Qt::StringLiterals;
using AutoSize = forms::Label::AutoSize;

Form2::Form2()
    : forms::Form(Menu::None)
{
    setObjectName(u"Form2"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(u"Помощь"_s);
    setBackColor(forms::InactiveBorder);
    setClientSize(6705, 4335);

    // One column of lines, each sizing itself to its text; blanks and quotes belong to the
    // texts.
    const struct
    {
        const char16_t *name;
        int top;
        int width;
        const char16_t *text;
    } lines[] = {
        {u"Label2", 120, 2535, u"Как пользоваться???? ЛЕГКО!!!!!"},
        {u"Label3", 360, 2070, u"Все рассмотрим на примере"},
        {u"Label4", 600, 4230, u"Пример 1. Допустим Вам надо R наминалом 5,3 МОм 5%"},
        {u"Label5", 840, 5505,
            u"Вы вводите в графы \"1 цифра\" и \"2 цифра\"  пять и три соответственно."},
        {u"Label6", 1080, 3120, u"Далее переходите в графу \"Множитель\""},
        {u"Label7", 1320, 6360,
            u"Вводите \"1\", а потом нули пока не появится в графе \"Вам нужно:\" нужный "
            u"наминал"},
        {u"Label8", 1560, 2655, u"В данном случае это будет 100000"},
        {u"Label9", 1800, 3345, u"Ну а с допуском я думаю вы разберетесь!!!"},
        {u"Label10", 2400, 6615,
            u"Пример2. Вам нужно (редко конечно такие R нужны, но бывает) 2 или вообще 0,2 Ом "},
        {u"Label11", 2640, 4995,
            u"Тогда вы вводите в графы 1 и 2 цифра   --- 0 и 2 соответственно"},
        {u"Label12", 2880, 6210,
            u"А в множителе 1 (если 2 Ом) или 0,1 (если 0,2 Ом) можно и до 0,01 (т.е. 0,02 ОМ)"},
        {u"Label13", 3120, 945, u"Вот и ВСЕ!!!!"},
        {u"Label14", 3840, 4725, u"УДАЧИ ВСЕМ РАДИОЛЮБИТЕЛЯМ К КОИМ САМ СЕБЯ ОТНОШУ"},
        {u"Label15", 4080, 3540, u"С уважением, Иван Примеров (ivan.primerov@example.org)"},
    };
    const QFont tahoma = forms::font(forms::Tahoma, 8.25);
    for (const auto &line : lines) {
        auto *label = new forms::Label(client(), QString::fromUtf16(line.name),
            {120, line.top, line.width, 195}, AutoSize::GrowRight);
        label->setFont(tahoma);
        label->setCaption(QString::fromUtf16(line.text));
    }

    Label1 = new forms::PushButton(client(), u"Label1"_s, {5880, 3960, 735, 315}, u"Выход"_s);
    Label1->setCancel();
    connect(Label1, &forms::PushButton::clicked, this, &Form2::Label1_Click);
    Label1->setFocus();
}

void Form2::Label1_Click()
{
    close();
}
