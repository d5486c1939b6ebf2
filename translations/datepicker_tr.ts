<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 “%2”, YYYY-MM-DD biçiminde %3 ile %4 arasında bir tarih değil</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Küçük bir pencerede tarih seçin. --print ile kullanıcıdan bir tarih ister ve bunu bir betik için yazdırır.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>İptal ve Tamam düğmelerini gösterir. Tamam veya Enter tarihi yazdırır ve 0 durumuyla çıkar; İptal, Escape veya pencerenin kapatılması hiçbir şey yazdırmaz ve 1 durumuyla çıkar.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Bugün yerine bu tarihle başlar.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Tarihi bu Qt tarih biçiminde, kullanıcının dilinde yazdırır (varsayılan yyyy-MM-dd; örneğin dd.MM.yyyy veya &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Seçilebilecek ilk tarih.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Seçilebilecek son tarih.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Pencere başlığı (varsayılan Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen argüman “%1”.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1, --max-date %2 tarihinden sonra</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format boş; yyyy-MM-dd gibi bir Qt tarih biçimi verin</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format “%1” bir % içeriyor; --format, strftime’ın %Y-%m-%d biçimini değil, yyyy-MM-dd gibi bir Qt tarih biçimini alır</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format “%1” kapatmadığı bir tırnak açıyor</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format “%1” tarihin hiçbir bölümünü yazmıyor; yyyy-MM-dd gibi bir Qt tarih biçimi verin</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Çıkış durumu: 0 tarih yazdırıldı (veya --print olmadan pencere kapatıldı); 1 kullanıcı reddetti; 2 komut satırı reddedildi; 3 iletişim kutusu başarısız oldu (ekran yok, ekran kayboldu, pencere oluşturulamadı, tarih yazılamadı); 5 --timeout sonlandırdı.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 “%2”, 1 veya daha büyük bir tam sayı değil</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date, --day, --month veya --year ile birlikte verilemez</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>%3 yılının %2. ayının %1. günü, %4 ile %5 arasında bir tarih değil</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format ve --date-format birlikte verilemez</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Komut satırı seçenekleriyle ilgili yardımı görüntüler.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Sürüm bilgilerini görüntüler.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>--print gibi bir tarih ister ve --date-format aksini söylemedikçe bunu C kütüphanesinin %x biçiminde yazdırır; zaman aşımı 5 durumuyla biter.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Tarihin üstünde bir istem metni; \n yeni bir satır başlatır. İşaretleme etiketleri kaldırılır, varlıklar çözülür.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>--text metnini olduğu gibi gösterir.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Bu günle başlar; verilmeyen bölüm bugünün tarihinden alınır.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Bu ayla başlar (1 ile 12 arası).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Bu yılla başlar.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Tarihi %Y-%m-%d veya %A %d %B %Y gibi bu strftime biçiminde yazdırır.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Bu kadar saniye sonra kendiliğinden biter, o anki tarihi yazdırır ve 5 durumuyla çıkar.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Tamam düğmesinin etiketi.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>İptal düğmesinin etiketi.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Pencerenin piksel cinsinden en küçük genişliği.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Pencerenin piksel cinsinden en küçük yüksekliği.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Kabul edilir ve yok sayılır.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Seçenekler:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Diğer takvim iletişim kutularının seçenekleri:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format “%1” tarihin hiçbir bölümünü yazmıyor; %Y-%m-%d gibi bir strftime biçimi verin</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Kullanım: %1 [seçenekler]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 “%2”, %3 değerlerinden biri değil</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button “%1”, 0 ile 255 aralığı dışında bir durumla çıkıyor</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details “%1” okunamıyor: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 “%2” bir tam sayı değil</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry “%1”, WxH+X+Y biçiminde değil</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 “%2”, 0 veya daha büyük bir tam sayı değil</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>seçenek olmayan öğe yok sayıldı: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>İptal ve Tamam yerine bir düğme ekler, yinelenebilir. Düğme ID durumuyla çıkar ve ID çift olduğunda tarihi yazdırır; sayı olmayan bir ID çalıştırılacak bir komuttur.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Düğme göstermez; Enter kabul eder, Escape reddeder.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Tamam’dan sonra, etiketini yazdırıp 1 durumuyla çıkan bir düğme ekler, yinelenebilir.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Seçilen tarihin ISO haftasını başlığın altında gösterir.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Günleri bu dosyanın “DATE TEXT” satırlarıyla açıklar, DATE --date-format biçimindedir; bu günler kalın gösterilir.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>--text satırlarını hizalar: left, center, right veya fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape iletişim kutusunu kapatmaz.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape, tarihi Tamam gibi kabul eder.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>İletişim kutusu hangi düğmeyle kapanırsa kapansın tarihi yazdırır.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 “%2” %3 olarak okunur</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Pencereyi ekranın ortasında aç (Wayland’de değil).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Pencereyi işaretçiye ortalanmış, ekranın içinde aç (Wayland’de değil).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Pencerenin sol kenarını ekranınkinden X piksel uzağa koy; negatif X sağ kenardan sayılır (Wayland’de değil).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Pencerenin üst kenarını ekranınkinden Y piksel uzağa koy; negatif Y alt kenardan sayılır (Wayland’de değil).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Pencerenin en küçük boyutu ve yeri, X11’in yazdığı gibi, örneğin 300x200-10+20 (yer Wayland’de değil).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Pencereyi başlık çubuğu ve çerçeve olmadan göster.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Pencerenin yeniden boyutlandırılmasını engelle.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Pencereyi diğer pencerelerin üstünde tut.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Pencereyi her çalışma alanında göster.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Pencereyi görev çubuğunda gösterme.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Pencereyi büyütülmüş, içeriği ortada olarak aç.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Pencereyi tam ekran, içeriği ortada olarak aç.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Pencereyi klavye odağını almadan aç.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Pencereyi, pencere yöneticilerinin çerçevesiz gösterdiği bir açılış ekranı olarak göster.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Başka bir pencere klavye odağını aldığında 1 durumuyla reddet.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Pencereyi içeriğine, çevresinde bu kadar piksel bırakarak uydur (en çok 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Her metni bu yazı tipinin ailesi ve boyutuyla yaz, örneğin “Sans Bold 12”.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>--timeout ile kalan süreyi bu kenarda bir çubuk olarak göster: top, bottom, left veya right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Pencerenin X kimliğini satır sonu olmadan standart hataya veya FILE dosyasına yaz (Wayland’de değil).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Pencerenin X11’deki WM_CLASS sınıfı ve Wayland’deki uygulama kimliği.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Pencerenin X11’deki WM_CLASS örnek adı ve --class olmadan Wayland’deki uygulama kimliği.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 “%2”, YYYY-MM-DD biçiminde (THH:MM biçiminde bir saatle ya da saatsiz) %3 ile %4 arasında bir tarih değil</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step, --time gerektirir</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step “%1”, 1 ile 30 arasında 60’ı bölen bir sayı değil</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Bir saat de seçer ve tarihten sonra yazdırır (varsayılan biçim yyyy-MM-dd HH:mm); bu durumda --date, --min-date ve --max-date YYYY-MM-DDTHH:MM kabul eder.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>--time ile yalnızca bu sayının katı olan dakikaları sunar (1 ile 30 arası, 60’ın böleni).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1, %2 ile %3 arasında hiçbir saat bırakmıyor</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>yerel saat %1 ile %2 arasındaki her saati atlıyor</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>pencere açılamıyor: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>ekran yok (DISPLAY ve WAYLAND_DISPLAY ayarlı değil)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>ekranla bağlantı koptu</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>pencere başka bir program tarafından yok edildi</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Yarın</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Dün</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Bu ayın ilk günü</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Bu ayın son günü</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Geçen ayın ilk günü</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Geçen ayın son günü</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Gelecek ayın ilk günü</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Gelecek ayın son günü</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>“%1” olarak kopyala</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 olarak kopyala</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Tarihi yapıştır</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>%1. hafta</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Şimdi</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: 0x%1 iletisi başarısız oldu: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: çizim başarısız oldu: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Tarih seçici</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Pencere oluşturulamadı.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>pencere oluşturulamadı: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>tarih yazılamadı: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>pencerenin kimliği %1 konumuna yazılamadı: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: “%2” komutu başlatılamadı
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>metin yazılamadı: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>ÖÖ/ÖS</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Çalışma zamanı hatası %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Geçersiz yordam çağrısı veya argüman</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Alt simge aralık dışında</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tür uyuşmazlığı</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Nesne oluşturulamıyor</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Nesne bu özelliği veya yöntemi desteklemiyor</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Yanlış sayıda argüman veya geçersiz özellik ataması</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Uygulama veya nesne tanımlı hata</translation>
    </message>
</context>
</TS>
