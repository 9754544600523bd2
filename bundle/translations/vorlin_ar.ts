<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>InfoPlist</name>
    <message>
        <source>CFBundleDisplayName</source>
        <translation>Vorlin</translation>
    </message>
    <message>
        <source>CFBundleName</source>
        <translation>Vorlin</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>Open Address Book...</source>
        <translation>افتح دفتر العناوين…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>اختر ملفًا…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>اختر مجلدًا…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>يتعذّر الوصول إلى دفاتر عناوين النظام</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>لا توجد دفاتر عناوين في النظام</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>‏⁨%@⁩ (الافتراضي)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>لا يوجد دفتر عناوين مفتوح.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>لا يوجد ما يُصدَّر. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>اعرض هذا النوع من الصفوف على البطاقات</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>انقل %@ إلى الأعلى</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>انقل %@ إلى الأسفل</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>مخطط الرابط الذي يوضع قبل كل قيمة؛ اتركه فارغًا لعدم إنشاء رابط</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>انقل هذا الصف إلى الأعلى</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>انقل هذا الصف إلى الأسفل</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>أزرار قائمة المجموعات</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>ضمِّن %@</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>علِّم المجموعات التي تدخل جهات اتصالها في الصفحة</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>مجموعة دفتر العناوين</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>تضمين</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>المجموعة</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>يتعذّر عرض المعاينة.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>ترتيب البيانات</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>أنشئ…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>أنشئ صفحة المجموعات المعلَّمة</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>لم يُعثر على أي دفتر عناوين.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>ورقة الأنماط</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>ورقة أنماط الصفحة؛ يظهر كل تغيير في المعاينة</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>أنهِ</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدّم</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>دفتر العناوين</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>مشكلات أثناء القراءة</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>التفاصيل…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>اعرض ما تعذّرت قراءته</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>آخر صفحة أُنشئت</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>تعذّرت قراءة %Ln قيمة</numerusform>
            <numerusform>تعذّرت قراءة %Ln قيمة</numerusform>
            <numerusform>تعذّرت قراءة %Ln قيمتين</numerusform>
            <numerusform>تعذّرت قراءة %Ln قيم</numerusform>
            <numerusform>تعذّرت قراءة %Ln قيمة</numerusform>
            <numerusform>تعذّرت قراءة %Ln قيمة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>تعذّرت قراءة %Ln ملف</numerusform>
            <numerusform>تعذّرت قراءة %Ln ملف</numerusform>
            <numerusform>تعذّرت قراءة %Ln ملفين</numerusform>
            <numerusform>تعذّرت قراءة %Ln ملفات</numerusform>
            <numerusform>تعذّرت قراءة %Ln ملفًا</numerusform>
            <numerusform>تعذّرت قراءة %Ln ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>تتعذّر قراءة دفتر العناوين الآن: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>لا يوجد دفتر عناوين</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>‏⁨%1⁩: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln جهة اتصال</numerusform>
            <numerusform>%Ln جهة اتصال</numerusform>
            <numerusform>%Ln جهتا اتصال</numerusform>
            <numerusform>%Ln جهات اتصال</numerusform>
            <numerusform>%Ln جهة اتصال</numerusform>
            <numerusform>%Ln جهة اتصال</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>تتعذّر قراءته</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>لا يوجد ما يُصدَّر.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>لا يوجد دفتر عناوين مفتوح. اختر واحدًا من «ملف &gt; افتح دفتر العناوين».</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>اختر مكان حفظ صفحة HTML:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>صفحة HTML (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>تعذّرت كتابة الصفحة.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>تمت كتابة %1 في ⁨%2⁩</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>ملفات vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>تعذّر فتح دفتر العناوين.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>حدّد الكل</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>علِّم كل المجموعات</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>ألغِ تحديد الكل</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>أزِل العلامة عن كل المجموعات</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>حدِّث</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>أعِد قراءة مجموعات دفتر العناوين</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>الترتيب حسب اسم العائلة</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>تضمين الصور</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>صور عامة لجهات الاتصال التي ليست لها صورة</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>تضمين المسميات الوظيفية</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>تضمين المؤسسات</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>جهات اتصال بلا مجموعة</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>لغة الصفحة</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>لغة التسميات والتواريخ والفهرس في الصفحة</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>الفهرسة بحروف لغة الصفحة</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>تصنيف جهات الاتصال تحت حروف لغة الصفحة بدلًا من A إلى Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>دفتر العناوين</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>الملاحظة</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>هذا حقل الملاحظة.
تظهر فواصل الأسطر في الملاحظة كما كُتبت.</translation>
    </message>
    <message>
        <source>home</source>
        <translation>المنزل</translation>
    </message>
    <message>
        <source>work</source>
        <translation>العمل</translation>
    </message>
    <message>
        <source>other</source>
        <translation>آخر</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>الجوال</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>الرئيسي</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>فاكس المنزل</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>فاكس العمل</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>فاكس آخر</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>جهاز النداء</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>الذكرى السنوية</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>الزوج/الزوجة</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>المدير</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>المساعد</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>الأم</translation>
    </message>
    <message>
        <source>father</source>
        <translation>الأب</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>أحد الوالدين</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>الأخ</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>الأخت</translation>
    </message>
    <message>
        <source>child</source>
        <translation>الابن/الابنة</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>الصديق</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>الشريك</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>الاسم الأول</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>اسم العائلة</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>الاسم الأوسط</translation>
    </message>
    <message>
        <source>title</source>
        <translation>اللقب</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>اللاحقة</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>المؤسسة</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>المسمى الوظيفي</translation>
    </message>
    <message>
        <source>department</source>
        <translation>القسم</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>العلامات</translation>
    </message>
    <message>
        <source>note</source>
        <translation>الملاحظة</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>التواريخ</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>الهاتف</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>صفحة الويب</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>الأسماء ذات الصلة</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation>ICQ</translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation>Jabber</translation>
    </message>
    <message>
        <source>MSN</source>
        <translation>MSN</translation>
    </message>
    <message>
        <source>Yahoo!</source>
        <translation>Yahoo!‎</translation>
    </message>
    <message>
        <source>address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>اسم المجموعة</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>الهاتف</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>الويب</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>التواريخ</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>الأسماء ذات الصلة</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>المراسلة الفورية</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>مخطط URI للهاتف</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>مخطط URI للبريد الإلكتروني</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>مخطط URI للويب</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>مخطط URI للتواريخ</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>مخطط URI للأسماء ذات الصلة</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>مخطط URI للعنوان</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>مخطط URI للملاحظة</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>مخطط URI لـ AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>مخطط URI لـ ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>مخطط URI لـ Jabber</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>مخطط URI لـ MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>مخطط URI لـ Yahoo!‎</translation>
    </message>
    <message>
        <source>%1 (Thunderbird)</source>
        <translation>%1 (Thunderbird)</translation>
    </message>
    <message>
        <source>%1 (Thunderbird, %2)</source>
        <translation>%1 (Thunderbird، %2)</translation>
    </message>
    <message>
        <source>Personal Address Book</source>
        <translation>دفتر العناوين الشخصي</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>العناوين المجمّعة</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>دفتر عناوين CardDAV…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV، %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>اذكر المستخدم في العنوان: https://USER@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>تجري قراءته من خادمه.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>دفتر عناوين CardDAV</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>عنوان دفتر العناوين، أو عنوان خادم الحساب، مع اسم المستخدم (https://user@server/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>رفض الخادم كلمة المرور لـ %1. كلمة المرور:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>كلمة المرور لـ %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>كلمة مرور CardDAV</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>قُبلت كلمة المرور لكن تعذّر حفظها في حلقة المفاتيح.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>الخادم</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>تعذّرت قراءة الخادم؛ هذه هي النسخة المحلية: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>تعذّرت قراءة الخادم: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>جارٍ سؤال الخادم…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>رفض الخادم كلمة المرور لـ %1.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>كلمة المرور لـ %1 مطلوبة.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>هذا التطبيق</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>يتطلب %@ نواة لينكس %@ أو أحدث.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>يُرجى استخدام مُحدِّث البرمجيات للترقية إلى نواة لينكس %@ أو أحدث.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>افتح مُحدِّث البرمجيات</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>أنهِ</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>يُرجى تثبيت نواة لينكس %@ أو أحدث.
</translation>
    </message>
</context>
</TS>
