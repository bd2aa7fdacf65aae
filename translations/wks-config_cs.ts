<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Us</source>
        <translation>O aplikaci WKS CONFIG</translation>
    </message>
    <message>
        <source>Prepares the settings file of GSM / MMS trail cameras on their SD card:
network and e-mail parameters, recipients, camera parameters and the game call.</source>
        <translation>Připravuje soubor nastavení fotopastí GSM/MMS na jejich SD kartě:
parametry sítě a e-mailu, příjemce, nastavení fotopasti a vábení.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Svobodný software pod licencí &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, verze 3 nebo novější&lt;/a&gt; (GPL-3.0-or-later). Je poskytován bez jakékoli záruky.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaFX200Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Nastavení fotopasti</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>Pracovní režim</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Režim snímání</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Série snímků</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Časosběr</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>Spoušť PIR</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Interval PIR</translation>
    </message>
    <message>
        <source>Photo  Size</source>
        <translation>Velikost fotografie</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Délka videa</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Rozlišení videa</translation>
    </message>
    <message>
        <source>Set Clock  :  (SYSTEM TIME)</source>
        <translation>Nastavit hodiny: (systémový čas)</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Pracovní dny </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Vybrat vše</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Neděle</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Pondělí</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Úterý</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Středa</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Čtvrtek</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Pátek</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Sobota</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Odesílat na </translation>
    </message>
    <message>
        <source> Work Hour </source>
        <translation> Pracovní doba </translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Pracovní doba</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaGroup1Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Nastavení fotopasti</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Velikost fotografie</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Série snímků</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Režim snímání</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Interval PIR</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Časosběr</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>Spoušť PIR</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>Ovládání SMS</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Rozlišení videa</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Délka videa</translation>
    </message>
    <message>
        <source>Set Clock : (SYSTEM TIME)</source>
        <translation>Nastavit hodiny: (systémový čas)</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Pracovní doba</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Pracovní doba</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Odesílat na </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Režim odesílání </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Čas odeslání:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Max. počet:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN713ZDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Nastavení fotopasti</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Režim snímání</translation>
    </message>
    <message>
        <source>Security Mode</source>
        <translation>Režim zabezpečení</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Poloha fotopasti</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Časosběr</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>Spoušť PIR</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Interval PIR</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>Ovládání SMS</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Velikost fotografie</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Série snímků</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Rozlišení videa</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Délka videa</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Vábení</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Hod:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Počet přehrání</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Nastavit hodiny: (systémový čas)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Přidat zvuk</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Pracovní doba</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Pracovní dny </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Vybrat vše</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Neděle</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Pondělí</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Úterý</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Středa</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Čtvrtek</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Pátek</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Sobota</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Odesílat na </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Režim odesílání </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Čas odeslání:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Max. počet:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN714WDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Nastavení fotopasti</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Režim snímání</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Odesílat na</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Poloha fotopasti</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Velikost fotografie</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Série snímků</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Rozlišení videa</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Délka videa</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Vábení</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Hod:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Počet přehrání</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Nastavit hodiny: (systémový čas)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Přidat zvuk</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Pracovní doba</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Pracovní doba</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Časosběr</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>Spoušť PIR</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Interval PIR</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>Ovládání SMS</translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Režim odesílání </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Čas odeslání:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Max. počet:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>CWKS_MainParaDlg</name>
    <message>
        <source> WAP / Internet Setting </source>
        <translation> Nastavení WAP/internetu </translation>
    </message>
    <message>
        <source>Select Country</source>
        <translation>Vyberte zemi</translation>
    </message>
    <message>
        <source>Select Operator</source>
        <translation>Vyberte operátora</translation>
    </message>
    <message>
        <source>Check WAP / Internet Parameters (&amp;L)</source>
        <translation>&amp;Zkontrolovat parametry WAP/internetu</translation>
    </message>
    <message>
        <source> Camera Setting </source>
        <translation> Nastavení fotopasti </translation>
    </message>
    <message>
        <source>Click &quot;Default Setting&quot; button if you don&apos;t know how to modify camera parameters !</source>
        <translation>Pokud nevíte, jak nastavení fotopasti změnit, klikněte na „Výchozí hodnoty“.</translation>
    </message>
    <message>
        <source>Default Setting (&amp;D)</source>
        <translation>&amp;Výchozí hodnoty</translation>
    </message>
    <message>
        <source>Change Setting (&amp;C)</source>
        <translation>Z&amp;měnit nastavení</translation>
    </message>
    <message>
        <source> Customer Information Setting </source>
        <translation> Příjemci </translation>
    </message>
    <message>
        <source>Admin...Number :</source>
        <translation>Číslo správce:</translation>
    </message>
    <message>
        <source>Phone Number 2 :</source>
        <translation>Telefonní číslo 2:</translation>
    </message>
    <message>
        <source>Phone Number 3 :</source>
        <translation>Telefonní číslo 3:</translation>
    </message>
    <message>
        <source>Phone Number 4 :</source>
        <translation>Telefonní číslo 4:</translation>
    </message>
    <message>
        <source>Receive Email 1 :</source>
        <translation>E-mail příjemce 1:</translation>
    </message>
    <message>
        <source>Receive Email 2 :</source>
        <translation>E-mail příjemce 2:</translation>
    </message>
    <message>
        <source>Receive Email 3 :</source>
        <translation>E-mail příjemce 3:</translation>
    </message>
    <message>
        <source>Receive Email 4 :</source>
        <translation>E-mail příjemce 4:</translation>
    </message>
    <message>
        <source>Attention Please ,The Data Above Will Be Saved In The Following  File: </source>
        <translation>Pozor: výše uvedené údaje se uloží do tohoto souboru:</translation>
    </message>
    <message>
        <source>SAVE (&amp;Y)</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>U&amp;končit</translation>
    </message>
</context>
<context>
    <name>CWKS_ModSelDlg</name>
    <message>
        <source>WKS CONFIG Sweden Customized</source>
        <translation>WKS CONFIG – verze pro Švédsko</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Vyberte výrobek</translation>
    </message>
    <message>
        <source>Remember My Choice</source>
        <translation>Zapamatovat si volbu</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>U&amp;končit</translation>
    </message>
</context>
<context>
    <name>CWKS_WapAdvancedDlg</name>
    <message>
        <source>Advanced Setup</source>
        <translation>Pokročilé nastavení</translation>
    </message>
    <message>
        <source> SMTP Server </source>
        <translation> Server SMTP </translation>
    </message>
    <message>
        <source>This service requires SSL (&amp;S)</source>
        <translation>Služba vyžaduje &amp;SSL</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>CWKS_WapParaDlg</name>
    <message>
        <source>WAP / Internet Paramaters</source>
        <translation>Parametry WAP/internetu</translation>
    </message>
    <message>
        <source>Wap / Internet Parameters</source>
        <translation>Parametry WAP/internetu</translation>
    </message>
    <message>
        <source> WAP Setting</source>
        <translation> Nastavení WAP</translation>
    </message>
    <message>
        <source>MMS URL :</source>
        <translation>URL MMS:</translation>
    </message>
    <message>
        <source>MMS APN :</source>
        <translation>APN MMS:</translation>
    </message>
    <message>
        <source>PORT :</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>MMS IP :</source>
        <translation>IP MMS:</translation>
    </message>
    <message>
        <source>ACCOUNT :</source>
        <translation>Účet:</translation>
    </message>
    <message>
        <source>PASSWORD :</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>CLEAR PARAMETERS (&amp;C)</source>
        <translation>&amp;Vymazat parametry</translation>
    </message>
    <message>
        <source> Internet Setting </source>
        <translation> Nastavení internetu </translation>
    </message>
    <message>
        <source>GPRS APN :</source>
        <translation>APN GPRS:</translation>
    </message>
    <message>
        <source>GPRS ACCOUNT :</source>
        <translation>Účet GPRS:</translation>
    </message>
    <message>
        <source>GPRS PASSWORD :</source>
        <translation>Heslo GPRS:</translation>
    </message>
    <message>
        <source>SEND EMAIL SERVER :</source>
        <translation>Server odchozí pošty:</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS :</source>
        <translation>Adresa odesílatele:</translation>
    </message>
    <message>
        <source>SEND EMAIL PASSWORD :</source>
        <translation>Heslo odesílatele:</translation>
    </message>
    <message>
        <source>Advanced... (&amp;V)</source>
        <translation>&amp;Pokročilé…</translation>
    </message>
    <message>
        <source>Test E-mail (&amp;T)</source>
        <translation>Otestovat &amp;e-mail</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Delete Directory &quot;C:\WKS_TEMP&quot; failed !</source>
        <translation>Složku „C:\WKS_TEMP“ se nepodařilo smazat!</translation>
    </message>
    <message>
        <source>You must rename the existed &quot;IMAG0001.JPG&quot; and &quot;VIDE0001.AVI&quot; if you want to save the audio file ,continue ?</source>
        <translation>Aby bylo možné uložit zvukový soubor, je třeba přejmenovat stávající soubory „IMAG0001.JPG“ a „VIDE0001.AVI“. Pokračovat?</translation>
    </message>
    <message>
        <source>You have given up saving audio file !</source>
        <translation>Zvukový soubor se neuloží.</translation>
    </message>
    <message>
        <source>Failed to rename &quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; !
 You can delete or rename them manually !</source>
        <translation>„IMAG0001.JPG“ nebo „VIDE0001.AVI“ se nepodařilo přejmenovat!
Můžete je smazat nebo přejmenovat ručně.</translation>
    </message>
    <message>
        <source>OK,audio file have been saved !</source>
        <translation>Zvukový soubor byl uložen.</translation>
    </message>
    <message>
        <source>Transform Failed.</source>
        <translation>Převod se nezdařil.</translation>
    </message>
    <message>
        <source>Failed to delete %1 !</source>
        <translation>%1 se nepodařilo smazat!</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2) !</source>
        <translation>Nelze zapsat %1 (%2)!</translation>
    </message>
    <message>
        <source>WKS TIPS</source>
        <translation>Tip WKS</translation>
    </message>
    <message>
        <source>WKS Tips</source>
        <translation>Tip WKS</translation>
    </message>
    <message>
        <source>Failed to save all parameters to &quot;%1&quot; !</source>
        <translation>Nastavení se nepodařilo uložit do „%1“!</translation>
    </message>
    <message>
        <source>Error In CWKS_MainParaDlg::%1() !</source>
        <translation>Chyba v CWKS_MainParaDlg::%1()!</translation>
    </message>
    <message>
        <source>No disk is valid !</source>
        <translation>Žádná jednotka není použitelná!</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid file &quot;%1 &quot;,
Please delete it manually!</source>
        <translation>Neplatný soubor „%1“ nelze smazat.
Smažte jej ručně.</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid back-up file,
Please delete it manually!</source>
        <translation>Neplatnou zálohu nelze smazat.
Smažte ji ručně.</translation>
    </message>
    <message>
        <source>Can&apos;t delete &quot;%1&quot;,Please delete it manually!</source>
        <translation>Soubor „%1“ nelze smazat. Smažte jej ručně.</translation>
    </message>
    <message>
        <source>Set all camera parameters to default ?</source>
        <translation>Nastavit všechna nastavení fotopasti na výchozí hodnoty?</translation>
    </message>
    <message>
        <source>Default setings is not applied, no data is modified !</source>
        <translation>Výchozí hodnoty nebyly použity, nic se nezměnilo.</translation>
    </message>
    <message>
        <source>OK,All camera parameters have been set to default !</source>
        <translation>Všechna nastavení fotopasti byla nastavena na výchozí hodnoty.</translation>
    </message>
    <message>
        <source>Sava all parameters to &quot;%1&quot; ?</source>
        <translation>Uložit všechna nastavení do „%1“?</translation>
    </message>
    <message>
        <source>OK,All parameters have been saved success !</source>
        <translation>Všechna nastavení byla uložena.</translation>
    </message>
    <message>
        <source>Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !</source>
        <translation>Neplatné volání CWKS_ModSelDlg::Mng_RegistryValue()!</translation>
    </message>
    <message>
        <source>Please Select A Product !</source>
        <translation>Vyberte prosím výrobek!</translation>
    </message>
    <message>
        <source>Error In CWKS_ModSelDlg::Mng_JumpToMain() !
Product list is empty()...</source>
        <translation>Chyba v CWKS_ModSelDlg::Mng_JumpToMain()!
Seznam výrobků je prázdný.</translation>
    </message>
    <message>
        <source>File is not exist ! 
Whether retain the directory record of audio file last time you added ?</source>
        <translation>Soubor neexistuje!
Ponechat naposledy přidaný zvukový soubor?</translation>
    </message>
    <message>
        <source>File is not exist !</source>
        <translation>Soubor neexistuje!</translation>
    </message>
    <message>
        <source>Whether retain the directory record of audio file last time you added ?</source>
        <translation>Ponechat naposledy přidaný zvukový soubor?</translation>
    </message>
    <message>
        <source>Error status in control &quot;WorkDay&quot; !</source>
        <translation>Neplatný stav pole „Pracovní dny“!</translation>
    </message>
    <message>
        <source>The status of &quot;Time Lapse&quot; and &quot;PIR Tirgger&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>„Časosběr“ a „Spoušť PIR“ nemohou být zároveň „OFF“!</translation>
    </message>
    <message>
        <source>The status of &quot;PIR Tirgger&quot; and &quot;Time Lapse&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>„Spoušť PIR“ a „Časosběr“ nemohou být zároveň „OFF“!</translation>
    </message>
    <message>
        <source>Save all camera parameters ?</source>
        <translation>Uložit všechna nastavení fotopasti?</translation>
    </message>
    <message>
        <source>OK,Camara parameters have been saved success !</source>
        <translation>Nastavení fotopasti bylo uloženo.</translation>
    </message>
    <message>
        <source>Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !</source>
        <translation>Chyba v CWKS_CamParaGroup1Dlg::OnInitDialog()!</translation>
    </message>
    <message>
        <source>Invalid call for ManageOtherUI()!</source>
        <translation>Neplatné volání ManageOtherUI()!</translation>
    </message>
    <message>
        <source>Save all WAP/Internet parameters ?</source>
        <translation>Uložit všechny parametry WAP/internetu?</translation>
    </message>
    <message>
        <source>OK,WAP/Internet Parameters saved success !</source>
        <translation>Parametry WAP/internetu byly uloženy.</translation>
    </message>
    <message>
        <source>Invalid call for CUtil::GetDayForYMonth() !</source>
        <translation>Neplatné volání CUtil::GetDayForYMonth()!</translation>
    </message>
</context>
<context>
    <name>wks::CameraModel</name>
    <message>
        <source>WKS CONFIG : For %1 Sweden Customized</source>
        <translation>WKS CONFIG: pro %1 – verze pro Švédsko</translation>
    </message>
    <message>
        <source>WKS CONFIG : For %1</source>
        <translation>WKS CONFIG: pro %1</translation>
    </message>
</context>
<context>
    <name>wks::PlaceholderSender</name>
    <message>
        <source>E-mail from the camera needs your own sender account: set it under Check WAP / Internet Parameters.</source>
        <translation>Aby mohla fotopast odesílat e-maily, potřebuje váš vlastní účet odesílatele: zadejte jej v části „Zkontrolovat parametry WAP/internetu“.</translation>
    </message>
</context>
<context>
    <name>wks::ui::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_MainParaDlg</name>
    <message>
        <source>Others......</source>
        <translation>Ostatní......</translation>
    </message>
    <message>
        <source>Admin Number</source>
        <translation>Číslo správce</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Soubor nastavení</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>O aplikaci WKS CONFIG</translation>
    </message>
    <message>
        <source>About Us (F1)</source>
        <translation>O aplikaci WKS CONFIG (F1)</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_ModSelDlg</name>
    <message>
        <source>Product picture</source>
        <translation>Obrázek výrobku</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Není vybrán žádný výrobek</translation>
    </message>
</context>
<context>
    <name>wks::ui::CameraScreen</name>
    <message>
        <source>You can click the left button to add audio file if GameCall is ON !</source>
        <translation>Vábení na ON: zvukový soubor přidáte tlačítkem vlevo</translation>
    </message>
    <message>
        <source>Game Call hour</source>
        <translation>Vábení, hodina</translation>
    </message>
    <message>
        <source>Game Call minute</source>
        <translation>Vábení, minuta</translation>
    </message>
    <message>
        <source>Start Time hour</source>
        <translation>Začátek, hodina</translation>
    </message>
    <message>
        <source>Start Time minute</source>
        <translation>Začátek, minuta</translation>
    </message>
    <message>
        <source>Stop Time hour</source>
        <translation>Konec, hodina</translation>
    </message>
    <message>
        <source>Stop Time minute</source>
        <translation>Konec, minuta</translation>
    </message>
    <message>
        <source>Send Time hour</source>
        <translation>Čas odeslání, hodina</translation>
    </message>
    <message>
        <source>Send Time minute</source>
        <translation>Čas odeslání, minuta</translation>
    </message>
    <message>
        <source>Audio file</source>
        <translation>Zvukový soubor</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Datum fotopasti</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Čas fotopasti</translation>
    </message>
</context>
<context>
    <name>wks::ui::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Converting the game call…</source>
        <translation>Převádí se vábení…</translation>
    </message>
</context>
<context>
    <name>wks::ui::FileFilter</name>
    <message>
        <source>Audio File(*.mp3,*.wav,*.aac)</source>
        <translation>Zvukový soubor (*.mp3, *.wav, *.aac)</translation>
    </message>
</context>
<context>
    <name>wks::ui::Latin1Field</name>
    <message>
        <source>The camera accepts only the digits 0 to 9 here.</source>
        <translation>Fotopast zde přijímá pouze číslice 0 až 9.</translation>
    </message>
    <message>
        <source>The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, signs and Western European letters such as é, ü, ß.</source>
        <translation>Fotopast přijímá pouze znaky Latin-1: A až Z, a až z, 0 až 9, interpunkci a západoevropská písmena jako é, ü, ß.</translation>
    </message>
</context>
<context>
    <name>wks::ui::MailTestRun</name>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Testing the e-mail account…</source>
        <translation>Testuje se e-mailový účet…</translation>
    </message>
</context>
</TS>
