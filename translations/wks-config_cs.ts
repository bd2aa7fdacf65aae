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
    <message>
        <source>Eject (&amp;E)</source>
        <translation>Vy&amp;sunout</translation>
    </message>
    <message>
        <source>Many Cards... (&amp;M)</source>
        <translation>&amp;Několik karet...</translation>
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
    <name>CardStationDlg</name>
    <message>
        <source>Cameras (&amp;A):</source>
        <translation>&amp;Fotopasti:</translation>
    </message>
    <message>
        <source>Open List... (&amp;O)</source>
        <translation>&amp;Otevřít seznam...</translation>
    </message>
    <message>
        <source>Add Camera (&amp;D)</source>
        <translation>Přid&amp;at fotopast</translation>
    </message>
    <message>
        <source>Remove Camera (&amp;R)</source>
        <translation>Odeb&amp;rat fotopast</translation>
    </message>
    <message>
        <source>Write over a settings file already on a card (&amp;W)</source>
        <translation>&amp;Přepsat soubor nastavení, který už na paměťové kartě je</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Paměťové karty:</translation>
    </message>
    <message>
        <source>Start (&amp;S)</source>
        <translation>&amp;Spustit</translation>
    </message>
    <message>
        <source>Stop (&amp;T)</source>
        <translation>&amp;Zastavit</translation>
    </message>
    <message>
        <source>Close (&amp;L)</source>
        <translation>Za&amp;vřít</translation>
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
    <message>
        <source>ffmpeg is not installed, and the game call is converted with it: install the package ffmpeg.</source>
        <translation>ffmpeg není nainstalován, ale vábení se převádí právě jím: nainstalujte balíček ffmpeg.</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>karta je jen pro čtení</translation>
    </message>
    <message>
        <source>the drive is read-only</source>
        <translation>jednotka je jen pro čtení</translation>
    </message>
    <message>
        <source>%1: (not usable: no folder)</source>
        <translation>%1: (nelze použít: žádná složka)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no folder)</source>
        <translation>%1: je %2 (nelze použít: žádná složka)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: not enterable)</source>
        <translation>%1: je %2 (nelze použít: nelze otevřít)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no answer in time)</source>
        <translation>%1: je %2 (nelze použít: žádná odpověď včas)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3, %4 free)</source>
        <translation>%1: je %2 (%3, volno %4)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3)</source>
        <translation>%1: je %2 (%3)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3 free)</source>
        <translation>%1: je %2 (volno %3)</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: je %2</translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot;: %3</source>
        <translation>řádek %1, sloupec „%2“: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>chybí řádek záhlaví</translation>
    </message>
    <message>
        <source>the column is named twice</source>
        <translation>sloupec je pojmenován dvakrát</translation>
    </message>
    <message>
        <source>no key of %1&apos;s settings file, nor a column of a deployments table</source>
        <translation>není klíčem souboru nastavení modelu %1 ani sloupcem tabulky rozmístění</translation>
    </message>
    <message>
        <source>the camera clock is not set per camera</source>
        <translation>hodiny fotopasti se nenastavují pro každou fotopast zvlášť</translation>
    </message>
    <message>
        <source>line 1: no column &quot;cameraID&quot;</source>
        <translation>řádek 1: chybí sloupec „cameraID“</translation>
    </message>
    <message>
        <source>line %1: %2 fields, the header has %3</source>
        <translation>řádek %1: %2 polí, záhlaví jich má %3</translation>
    </message>
    <message>
        <source>no cameraID</source>
        <translation>chybí cameraID</translation>
    </message>
    <message>
        <source>a cameraID holds a line break</source>
        <translation>cameraID obsahuje zalomení řádku</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>„%1“ už je na řádku %2</translation>
    </message>
    <message>
        <source>the value holds a line break</source>
        <translation>hodnota obsahuje zalomení řádku</translation>
    </message>
    <message>
        <source>a character that the camera&apos;s files cannot hold (Latin-1 only)</source>
        <translation>znak, který soubory fotopasti nemohou obsahovat (pouze Latin-1)</translation>
    </message>
    <message>
        <source>the list names no camera</source>
        <translation>seznam neuvádí žádnou fotopast</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>řádek %1: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ nelze přečíst: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nedostatek paměti</translation>
    </message>
    <message>
        <source>cannot write the report &quot;%1&quot;: %2</source>
        <translation>zprávu „%1“ nelze zapsat: %2</translation>
    </message>
    <message>
        <source>the report %1: %2</source>
        <translation>zpráva %1: %2</translation>
    </message>
    <message>
        <source>the report &quot;%1&quot; has other columns than this run&apos;s list: give another report</source>
        <translation>zpráva „%1“ má jiné sloupce než seznam tohoto běhu: zadejte jinou zprávu</translation>
    </message>
    <message>
        <source>the card is read-only (%1)</source>
        <translation>paměťová karta je chráněna proti zápisu (%1)</translation>
    </message>
    <message>
        <source>the card is full (%1)</source>
        <translation>paměťová karta je plná (%1)</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written (%1)</source>
        <translation>paměťová karta byla při zápisu vyjmuta nebo selhala (%1)</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot;</source>
        <translation>neznámý model „%1“</translation>
    </message>
    <message>
        <source>cannot write the backup %1: %2</source>
        <translation>zálohu %1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>the game call is converted with ffmpeg, which is not installed: install the package ffmpeg</source>
        <translation>vábení se převádí programem ffmpeg, který není nainstalován: nainstalujte balíček ffmpeg</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2</source>
        <translation>vábení %1 nebylo možné převést: %2</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2 (%3)</source>
        <translation>vábení %1 nebylo možné převést: %2 (%3)</translation>
    </message>
    <message>
        <source>&quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; could not be renamed</source>
        <translation>„IMAG0001.JPG“ nebo „VIDE0001.AVI“ nelze přejmenovat</translation>
    </message>
    <message>
        <source>the game call read back is not the one written</source>
        <translation>zpětně přečtené vábení není to, které bylo zapsáno</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 zmizel: před odebráním každou paměťovou kartu odpojte</translation>
    </message>
    <message>
        <source>it holds %1 already; it is written over only when the run says so</source>
        <translation>už obsahuje %1; ten se přepíše jen tehdy, když to běh určí</translation>
    </message>
    <message>
        <source>it holds the settings file of a %1 (%2)</source>
        <translation>obsahuje soubor nastavení modelu %1 (%2)</translation>
    </message>
    <message>
        <source>this card was written for %1 — safe to remove</source>
        <translation>tato paměťová karta byla zapsána pro %1 — lze bezpečně odebrat</translation>
    </message>
    <message>
        <source>this card was written for %1 — unmount it before you remove it</source>
        <translation>tato paměťová karta byla zapsána pro %1 — před odebráním kartu odpojte</translation>
    </message>
    <message>
        <source>card left untouched: %1 — safe to remove</source>
        <translation>paměťová karta ponechána beze změny: %1 — lze bezpečně odebrat</translation>
    </message>
    <message>
        <source>card left untouched: %1 — unmount it before you remove it</source>
        <translation>paměťová karta ponechána beze změny: %1 — před odebráním kartu odpojte</translation>
    </message>
    <message>
        <source>%1 (the report could not be written: %2)</source>
        <translation>%1 (zprávu nebylo možné zapsat: %2)</translation>
    </message>
    <message>
        <source>%1 not written: %2 — safe to remove</source>
        <translation>%1 nezapsáno: %2 — lze bezpečně odebrat</translation>
    </message>
    <message>
        <source>%1 not written: %2 — remove the card and try again</source>
        <translation>%1 nezapsáno: %2 — vyjměte paměťovou kartu a zkuste to znovu</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be written: %2</source>
        <translation>kopii fotopasti %1 nebylo možné zapsat: %2</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be read: %2</source>
        <translation>kopii fotopasti %1 nebylo možné přečíst: %2</translation>
    </message>
    <message>
        <source>the game call: %1</source>
        <translation>vábení: %1</translation>
    </message>
    <message>
        <source>the card could not be read back: %1</source>
        <translation>paměťovou kartu nebylo možné zpětně přečíst: %1</translation>
    </message>
    <message>
        <source>the card gave back other bytes than were written</source>
        <translation>paměťová karta vrátila jiné bajty, než byly zapsány</translation>
    </message>
    <message>
        <source>the camera would not read it: %1</source>
        <translation>fotopast by ho nepřečetla: %1</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 hotovo — lze bezpečně odebrat</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 hotovo — před odebráním kartu odpojte</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it (%2)</source>
        <translation>%1 hotovo — před odebráním kartu odpojte (%2)</translation>
    </message>
    <message>
        <source>SMTP SSL is 0, 1 or empty, not &quot;%1&quot;</source>
        <translation>SMTP SSL je 0, 1 nebo prázdné, ne „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network key of %2</source>
        <translation>„%1“ není síťový klíč modelu %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a camera key of %2</source>
        <translation>„%1“ není klíč fotopasti modelu %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; for &quot;%2&quot; is not a number</source>
        <translation>„%1“ pro „%2“ není číslo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of %2&apos;s settings file</source>
        <translation>„%1“ není klíč souboru nastavení modelu %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 až %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 nebo %2</translation>
    </message>
    <message>
        <source>no file mark: [WKSFileMark] Model is missing</source>
        <translation>chybí značka souboru: [WKSFileMark] Model</translation>
    </message>
    <message>
        <source>file mark &quot;%1&quot; is not %2</source>
        <translation>značka souboru „%1“ není %2</translation>
    </message>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 chybí</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters, the most the program writes</source>
        <translation>[%1] %2 je delší než %3 znaků, nejvíc, co program zapisuje</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is neither 0 nor 1</source>
        <translation>[%1] %2 „%3“ není 0 ani 1</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters</source>
        <translation>[%1] %2 je delší než %3 znaků</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is not a number</source>
        <translation>[%1] %2 „%3“ není číslo</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is outside %4 to %5</source>
        <translation>[%1] %2 %3 je mimo rozsah %4 až %5</translation>
    </message>
    <message>
        <source>the camera clock is not a valid date and time</source>
        <translation>hodiny fotopasti neukazují platné datum a čas</translation>
    </message>
    <message>
        <source>[%1] %2 is not a key of %3</source>
        <translation>[%1] %2 není klíč modelu %3</translation>
    </message>
    <message>
        <source>%1 for %2: %4, not %3</source>
        <translation>%1 pro %2: %4, ne %3</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
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
    <name>wks::mail</name>
    <message>
        <source>Cancelled during %1.</source>
        <translation>Zrušeno v kroku %1.</translation>
    </message>
    <message>
        <source>%1 failed: SEND EMAIL SERVER is empty.</source>
        <translation>Krok %1 selhal: server odchozí pošty je prázdný.</translation>
    </message>
    <message>
        <source>%1 failed: the PORT &quot;%2&quot; is no port number (1 to 65535).</source>
        <translation>Krok %1 selhal: port „%2“ není číslo portu (1 až 65535).</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS</source>
        <translation>Adresa odesílatele</translation>
    </message>
    <message>
        <source>Receive Email 1</source>
        <translation>E-mail příjemce 1</translation>
    </message>
    <message>
        <source>The e-mail test needs libcurl: %1</source>
        <translation>Test e-mailu potřebuje knihovnu libcurl: %1</translation>
    </message>
    <message>
        <source>%1 failed: &quot;%2&quot; is no server name: check SEND EMAIL SERVER.</source>
        <translation>Krok %1 selhal: „%2“ není název serveru: zkontrolujte server odchozí pošty.</translation>
    </message>
    <message>
        <source>E-mail test passed</source>
        <translation>Test e-mailu proběhl úspěšně</translation>
    </message>
    <message>
        <source>E-mail test failed</source>
        <translation>Test e-mailu selhal</translation>
    </message>
    <message>
        <source>&quot;SMTP SSL&quot; (Advanced... on the WAP / Internet screen)</source>
        <translation>„SMTP SSL“ (Pokročilé… v okně Parametry WAP/internetu)</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;</source>
        <translation> Server odpověděl: „%1“</translation>
    </message>
    <message>
        <source>port %1 of %2</source>
        <translation>port %1 serveru %2</translation>
    </message>
    <message>
        <source>the name service did not answer within %1: is this computer on the Internet?</source>
        <translation>jmenná služba neodpověděla do %1: je tento počítač připojen k internetu?</translation>
    </message>
    <message>
        <source>the server name &quot;%1&quot; is unknown: check SEND EMAIL SERVER (or this computer is not on the Internet).</source>
        <translation>název serveru „%1“ je neznámý: zkontrolujte server odchozí pošty (nebo tento počítač není připojen k internetu).</translation>
    </message>
    <message>
        <source>nothing answered on %1 within %2: check the PORT beside SEND EMAIL SERVER, or a firewall is in the way.</source>
        <translation>na %1 do %2 nic neodpovědělo: zkontrolujte port vedle serveru odchozí pošty, nebo v cestě stojí firewall.</translation>
    </message>
    <message>
        <source>nothing listens on %1: check the PORT beside SEND EMAIL SERVER (mail providers take mail on 465 with SSL, or on 587 or 25).</source>
        <translation>na %1 nic nenaslouchá: zkontrolujte port vedle serveru odchozí pošty (poskytovatelé e-mailu přijímají poštu na portu 465 s SSL nebo na 587 či 25).</translation>
    </message>
    <message>
        <source>SMTP SSL is ticked, but the server speaks plain text on port %1 (it said &quot;%2&quot;). Untick %3, or use the server&apos;s SSL port, usually 465.</source>
        <translation>SMTP SSL je zaškrtnuto, ale server na portu %1 komunikuje nešifrovaně (odpověděl „%2“). Zrušte zaškrtnutí %3, nebo použijte SSL port serveru, obvykle 465.</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but did not start TLS within %3.</source>
        <translation>%1 přijal spojení na portu %2, ale do %3 nezahájil TLS.</translation>
    </message>
    <message>
        <source>the encryption could not be started (%1).</source>
        <translation>šifrování se nepodařilo zahájit (%1).</translation>
    </message>
    <message>
        <source>the server speaks TLS on port %1, but SMTP SSL is not ticked. Tick %2, or use the server&apos;s plain-text port, usually 587 or 25.</source>
        <translation>server na portu %1 komunikuje přes TLS, ale SMTP SSL není zaškrtnuto. Zaškrtněte %2, nebo použijte nešifrovaný port serveru, obvykle 587 nebo 25.</translation>
    </message>
    <message>
        <source>the server refused to talk.%1</source>
        <translation>server odmítl komunikovat.%1</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but said nothing within %3.</source>
        <translation>%1 přijal spojení na portu %2, ale do %3 nic neřekl.</translation>
    </message>
    <message>
        <source>the server closed the connection without a greeting (%1).</source>
        <translation>server ukončil spojení bez pozdravu (%1).</translation>
    </message>
    <message>
        <source>the server wants encryption before the login (it offers STARTTLS), but SMTP SSL is not ticked. The camera must use SSL: tick %1 and use the server&apos;s SSL port, usually 465.%2</source>
        <translation>server vyžaduje šifrování před přihlášením (nabízí STARTTLS), ale SMTP SSL není zaškrtnuto. Fotopast musí používat SSL: zaškrtněte %1 a použijte SSL port serveru, obvykle 465.%2</translation>
    </message>
    <message>
        <source>the server did not answer the login within %1.</source>
        <translation>server na přihlášení neodpověděl do %1.</translation>
    </message>
    <message>
        <source>the server offers no login on port %1: check the PORT (mail providers take logins on 465 with SSL, or on 587).</source>
        <translation>server na portu %1 nenabízí přihlášení: zkontrolujte port (poskytovatelé e-mailu přijímají přihlášení na portu 465 s SSL nebo na 587).</translation>
    </message>
    <message>
        <source>the server offers no way of logging in that the camera knows (%1).</source>
        <translation>server nenabízí žádný způsob přihlášení, který fotopast zná (%1).</translation>
    </message>
    <message>
        <source>the server refused the address and password. The password is the likely fault (many providers want an app password for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS.%1</source>
        <translation>server odmítl adresu a heslo. Chyba je nejspíš v hesle (mnoho poskytovatelů vyžaduje pro zařízení heslo aplikace): zkontrolujte heslo odesílatele a potom adresu odesílatele.%1</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>the server did not answer within %1 while taking the test message.</source>
        <translation>server při přebírání zkušební zprávy neodpověděl do %1.</translation>
    </message>
    <message>
        <source>the server does not let %1 send.%2</source>
        <translation>server nedovolí adrese %1 odesílat.%2</translation>
    </message>
    <message>
        <source>the server refused the recipient %1.%2</source>
        <translation>server odmítl příjemce %1.%2</translation>
    </message>
    <message>
        <source>the server did not take the test message.%1</source>
        <translation>server zkušební zprávu nepřevzal.%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is self-signed</source>
        <translation>je podepsaný sám sebou</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>jeho platnost vypršela</translation>
    </message>
    <message>
        <source>it is not valid yet</source>
        <translation>ještě není platný</translation>
    </message>
    <message>
        <source>it is signed by an authority this computer does not know</source>
        <translation>je podepsaný autoritou, kterou tento počítač nezná</translation>
    </message>
    <message>
        <source>this computer&apos;s certificates cannot be read</source>
        <translation>certifikáty tohoto počítače nelze přečíst</translation>
    </message>
    <message>
        <source>it is made out to another name than %1</source>
        <translation>je vystaven na jiný název než %1</translation>
    </message>
    <message>
        <source>it is not accepted</source>
        <translation>není přijat</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>nic neobsahuje</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>obsahuje řídicí znak</translation>
    </message>
    <message>
        <source>holds a blank</source>
        <translation>obsahuje mezeru</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>obsahuje „%1“</translation>
    </message>
    <message>
        <source>has no &quot;@&quot;</source>
        <translation>neobsahuje „@“</translation>
    </message>
    <message>
        <source>holds more than one &quot;@&quot;</source>
        <translation>obsahuje více než jeden znak „@“</translation>
    </message>
    <message>
        <source>has nothing before its &quot;@&quot;</source>
        <translation>nemá nic před znakem „@“</translation>
    </message>
    <message>
        <source>has nothing after its &quot;@&quot;</source>
        <translation>nemá nic za znakem „@“</translation>
    </message>
    <message>
        <source>Name look-up</source>
        <translation>Překlad názvu</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Spojení</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Pozdrav</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Přihlášení</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Odeslání</translation>
    </message>
    <message>
        <source>%1 is an address, nothing to look up</source>
        <translation>%1 je adresa, není co překládat</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 je %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2</source>
        <translation>%1 odpovídá na portu %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2 (no PORT given: the standard port)</source>
        <translation>%1 odpovídá na portu %2 (port nezadán: standardní port)</translation>
    </message>
    <message>
        <source>the connection is encrypted from the first byte</source>
        <translation>spojení je šifrované od prvního bajtu</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password (%2)</source>
        <translation>server přijal %1 a jeho heslo (%2)</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password</source>
        <translation>server přijal %1 a jeho heslo</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted (%2)</source>
        <translation>zkušební zpráva pro %1 byla přijata (%2)</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted</source>
        <translation>zkušební zpráva pro %1 byla přijata</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the test took longer than %1 in all</source>
        <translation>test trval celkem déle než %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>Krok %1 selhal: %2</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2); the password is sent anyway, as asked.</source>
        <translation>Upozornění: certifikát serveru nelze ověřit: %1 (%2); heslo se podle přání přesto odešle.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2).</source>
        <translation>Upozornění: certifikát serveru nelze ověřit: %1 (%2).</translation>
    </message>
    <message>
        <source> Besides, the server offers no login on port %1.</source>
        <translation> Server navíc na portu %1 nenabízí přihlášení.</translation>
    </message>
    <message>
        <source>%1 not tried: %2</source>
        <translation>Krok %1 nebyl vyzkoušen: %2</translation>
    </message>
    <message>
        <source>the password was not sent, because the server&apos;s certificate cannot be verified: whoever answered may not be the mail server. The camera may refuse the certificate too: ask the mail provider which server name and port to use.%1</source>
        <translation>heslo nebylo odesláno, protože certifikát serveru nelze ověřit: ten, kdo odpověděl, nemusí být poštovní server. Certifikát může odmítnout i fotopast: zeptejte se poskytovatele e-mailu, jaký název serveru a port použít.%1</translation>
    </message>
    <message>
        <source>Warning: the password crossed the network unencrypted, as it will from the camera.</source>
        <translation>Upozornění: heslo prošlo sítí nešifrovaně, stejně jako z fotopasti.</translation>
    </message>
    <message>
        <source>%1 %2; an e-mail address is one plain mailbox, such as name@example.org. The test stopped before connecting.</source>
        <translation>%1 %2; e-mailová adresa je jedna prostá schránka, například jmeno@example.org. Test skončil před navázáním spojení.</translation>
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
    <message>
        <source>Eject the card</source>
        <translation>Vysunout paměťovou kartu</translation>
    </message>
    <message>
        <source>%1 is safe to remove.</source>
        <translation>%1 lze bezpečně odebrat.</translation>
    </message>
    <message>
        <source>%1 is written; unmount it before you remove it.</source>
        <translation>%1 je zapsána; před odebráním ji odpojte.</translation>
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
    <name>wks::ui::CWKS_WapParaDlg</name>
    <message>
        <source>Note: port %1 is kept as %2 (a PORT keeps 4 digits), so the test connects to %2.</source>
        <translation>Poznámka: port %1 se uloží jako %2 (port má nejvýše 4 číslice), test se proto připojí k %2.</translation>
    </message>
    <message>
        <source>Send the password to this server anyway?</source>
        <translation>Přesto odeslat heslo tomuto serveru?</translation>
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
    <name>wks::ui::CardStationDlg</name>
    <message>
        <source>Many Cards: %1</source>
        <translation>Několik karet: %1</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotopast</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Paměťová karta</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Camera List</source>
        <translation>Seznam fotopastí</translation>
    </message>
    <message>
        <source>%1 of %2 cameras done</source>
        <translation>Hotovo %1 z %2 fotopastí</translation>
    </message>
    <message>
        <source>Left alone: it is not a memory card</source>
        <translation>Ponecháno beze změny: nejde o paměťovou kartu</translation>
    </message>
    <message>
        <source>Every camera is done.</source>
        <translation>Všechny fotopasti jsou hotové.</translation>
    </message>
    <message>
        <source>The next card gets %1.</source>
        <translation>Další paměťová karta dostane %1.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>zapisuje se</translation>
    </message>
    <message>
        <source>written</source>
        <translation>zapsáno</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>ověřeno</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 hotovo — lze bezpečně odebrat</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 hotovo — před odebráním kartu odpojte</translation>
    </message>
    <message>
        <source>This card was written for %1</source>
        <translation>Tato paměťová karta byla zapsána pro %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds %1 already</source>
        <translation>Paměťová karta ponechána beze změny: už obsahuje %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds the settings file of a %1</source>
        <translation>Paměťová karta ponechána beze změny: obsahuje soubor nastavení modelu %1</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>paměťová karta je chráněna proti zápisu</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>paměťová karta je plná</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written</source>
        <translation>paměťová karta byla při zápisu vyjmuta nebo selhala</translation>
    </message>
    <message>
        <source>%1 not written: %2</source>
        <translation>%1 nezapsáno: %2</translation>
    </message>
    <message>
        <source>%1 — safe to remove</source>
        <translation>%1 — lze bezpečně odebrat</translation>
    </message>
    <message>
        <source>%1 — unmount it before you remove it</source>
        <translation>%1 — před odebráním kartu odpojte</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 zmizel: před odebráním každou paměťovou kartu odpojte</translation>
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
<context>
    <name>wks::ui::Picture</name>
    <message>
        <source>Settings for GSM / MMS trail cameras</source>
        <translation>Nastavení fotopastí GSM / MMS</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Není vybrán žádný výrobek</translation>
    </message>
</context>
</TS>
