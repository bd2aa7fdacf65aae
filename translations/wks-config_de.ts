<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Us</source>
        <translation>Über WKS CONFIG</translation>
    </message>
    <message>
        <source>Prepares the settings file of GSM / MMS trail cameras on their SD card:
network and e-mail parameters, recipients, camera parameters and the game call.</source>
        <translation>Bereitet die Einstellungsdatei von GSM-/MMS-Wildkameras auf ihrer SD-Karte vor:
Netz- und E-Mail-Parameter, Empfänger, Kameraparameter und den Lockruf.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Freie Software unter der &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, Version 3 oder später&lt;/a&gt; (GPL-3.0-or-later). Ohne jegliche Gewährleistung.</translation>
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
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Serienbilder</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-Auslöser</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-Intervall</translation>
    </message>
    <message>
        <source>Photo  Size</source>
        <translation>Fotogröße</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Set Clock  :  (SYSTEM TIME)</source>
        <translation>Uhr stellen: (Systemzeit)</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Arbeitstage </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Alle auswählen</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Sonntag</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Montag</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Dienstag</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Mittwoch</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Donnerstag</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Freitag</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Samstag</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Senden an </translation>
    </message>
    <message>
        <source> Work Hour </source>
        <translation> Arbeitszeit </translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaGroup1Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Fotogröße</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Serienbilder</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-Intervall</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-Auslöser</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-Steuerung</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>Set Clock : (SYSTEM TIME)</source>
        <translation>Uhr stellen: (Systemzeit)</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Arbeitszeit</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Senden an </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sendemodus </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sendezeit:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Höchstzahl:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN713ZDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>Security Mode</source>
        <translation>Sicherheitsmodus</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameraposition</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-Auslöser</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-Intervall</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-Steuerung</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Fotogröße</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Serienbilder</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Lockruf</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Std.:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min.:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Uhr stellen: (Systemzeit)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Audio hinzufügen</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Arbeitstage </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Alle auswählen</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Sonntag</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Montag</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Dienstag</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Mittwoch</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Donnerstag</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Freitag</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Samstag</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Senden an </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sendemodus </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sendezeit:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Höchstzahl:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN714WDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Senden an</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameraposition</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Fotogröße</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Serienbilder</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Lockruf</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Std.:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min.:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Uhr stellen: (Systemzeit)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Audio hinzufügen</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Arbeitszeit</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-Auslöser</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-Intervall</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-Steuerung</translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sendemodus </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sendezeit:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Höchstzahl:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>CWKS_MainParaDlg</name>
    <message>
        <source> WAP / Internet Setting </source>
        <translation> WAP-/Internet-Einstellungen </translation>
    </message>
    <message>
        <source>Select Country</source>
        <translation>Land auswählen</translation>
    </message>
    <message>
        <source>Select Operator</source>
        <translation>Anbieter auswählen</translation>
    </message>
    <message>
        <source>Check WAP / Internet Parameters (&amp;L)</source>
        <translation>WAP-/Internet-Parameter &amp;prüfen</translation>
    </message>
    <message>
        <source> Camera Setting </source>
        <translation> Kameraeinstellungen </translation>
    </message>
    <message>
        <source>Click &quot;Default Setting&quot; button if you don&apos;t know how to modify camera parameters !</source>
        <translation>Klicken Sie auf „Standardwerte“, wenn Sie nicht wissen, wie die Kameraparameter einzustellen sind.</translation>
    </message>
    <message>
        <source>Default Setting (&amp;D)</source>
        <translation>Stan&amp;dardwerte</translation>
    </message>
    <message>
        <source>Change Setting (&amp;C)</source>
        <translation>Einstellungen &amp;ändern</translation>
    </message>
    <message>
        <source> Customer Information Setting </source>
        <translation> Empfänger </translation>
    </message>
    <message>
        <source>Admin...Number :</source>
        <translation>Admin-Nummer:</translation>
    </message>
    <message>
        <source>Phone Number 2 :</source>
        <translation>Telefonnummer 2:</translation>
    </message>
    <message>
        <source>Phone Number 3 :</source>
        <translation>Telefonnummer 3:</translation>
    </message>
    <message>
        <source>Phone Number 4 :</source>
        <translation>Telefonnummer 4:</translation>
    </message>
    <message>
        <source>Receive Email 1 :</source>
        <translation>E-Mail-Empfänger 1:</translation>
    </message>
    <message>
        <source>Receive Email 2 :</source>
        <translation>E-Mail-Empfänger 2:</translation>
    </message>
    <message>
        <source>Receive Email 3 :</source>
        <translation>E-Mail-Empfänger 3:</translation>
    </message>
    <message>
        <source>Receive Email 4 :</source>
        <translation>E-Mail-Empfänger 4:</translation>
    </message>
    <message>
        <source>Attention Please ,The Data Above Will Be Saved In The Following  File: </source>
        <translation>Achtung: Die obigen Angaben werden in dieser Datei gespeichert:</translation>
    </message>
    <message>
        <source>SAVE (&amp;Y)</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>CWKS_ModSelDlg</name>
    <message>
        <source>WKS CONFIG Sweden Customized</source>
        <translation>WKS CONFIG – für Schweden angepasst</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Produkt auswählen</translation>
    </message>
    <message>
        <source>Remember My Choice</source>
        <translation>Auswahl merken</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>CWKS_WapAdvancedDlg</name>
    <message>
        <source>Advanced Setup</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source> SMTP Server </source>
        <translation> SMTP-Server </translation>
    </message>
    <message>
        <source>This service requires SSL (&amp;S)</source>
        <translation>Dieser Dienst erfordert &amp;SSL</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>CWKS_WapParaDlg</name>
    <message>
        <source>WAP / Internet Paramaters</source>
        <translation>WAP-/Internet-Parameter</translation>
    </message>
    <message>
        <source>Wap / Internet Parameters</source>
        <translation>WAP-/Internet-Parameter</translation>
    </message>
    <message>
        <source> WAP Setting</source>
        <translation> WAP-Einstellungen</translation>
    </message>
    <message>
        <source>MMS URL :</source>
        <translation>MMS-URL:</translation>
    </message>
    <message>
        <source>MMS APN :</source>
        <translation>MMS-APN:</translation>
    </message>
    <message>
        <source>PORT :</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>MMS IP :</source>
        <translation>MMS-IP:</translation>
    </message>
    <message>
        <source>ACCOUNT :</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>PASSWORD :</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>CLEAR PARAMETERS (&amp;C)</source>
        <translation>Parameter &amp;leeren</translation>
    </message>
    <message>
        <source> Internet Setting </source>
        <translation> Interneteinstellungen </translation>
    </message>
    <message>
        <source>GPRS APN :</source>
        <translation>GPRS-APN:</translation>
    </message>
    <message>
        <source>GPRS ACCOUNT :</source>
        <translation>GPRS-Konto:</translation>
    </message>
    <message>
        <source>GPRS PASSWORD :</source>
        <translation>GPRS-Passwort:</translation>
    </message>
    <message>
        <source>SEND EMAIL SERVER :</source>
        <translation>Postausgangsserver:</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS :</source>
        <translation>Absenderadresse:</translation>
    </message>
    <message>
        <source>SEND EMAIL PASSWORD :</source>
        <translation>Absender-Passwort:</translation>
    </message>
    <message>
        <source>Advanced... (&amp;V)</source>
        <translation>&amp;Erweitert …</translation>
    </message>
    <message>
        <source>Test E-mail (&amp;T)</source>
        <translation>E-Mail &amp;testen</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Delete Directory &quot;C:\WKS_TEMP&quot; failed !</source>
        <translation>Der Ordner „C:\WKS_TEMP“ konnte nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>You must rename the existed &quot;IMAG0001.JPG&quot; and &quot;VIDE0001.AVI&quot; if you want to save the audio file ,continue ?</source>
        <translation>Um die Audiodatei zu speichern, müssen die vorhandenen Dateien „IMAG0001.JPG“ und „VIDE0001.AVI“ umbenannt werden. Fortfahren?</translation>
    </message>
    <message>
        <source>You have given up saving audio file !</source>
        <translation>Die Audiodatei wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Failed to rename &quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; !
 You can delete or rename them manually !</source>
        <translation>„IMAG0001.JPG“ oder „VIDE0001.AVI“ konnte nicht umbenannt werden!
Sie können die Dateien von Hand löschen oder umbenennen.</translation>
    </message>
    <message>
        <source>OK,audio file have been saved !</source>
        <translation>Die Audiodatei wurde gespeichert.</translation>
    </message>
    <message>
        <source>Transform Failed.</source>
        <translation>Die Umwandlung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Failed to delete %1 !</source>
        <translation>%1 konnte nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2) !</source>
        <translation>%1 kann nicht geschrieben werden (%2)!</translation>
    </message>
    <message>
        <source>WKS TIPS</source>
        <translation>WKS-Hinweis</translation>
    </message>
    <message>
        <source>WKS Tips</source>
        <translation>WKS-Hinweis</translation>
    </message>
    <message>
        <source>Failed to save all parameters to &quot;%1&quot; !</source>
        <translation>Die Parameter konnten nicht in „%1“ gespeichert werden!</translation>
    </message>
    <message>
        <source>Error In CWKS_MainParaDlg::%1() !</source>
        <translation>Fehler in CWKS_MainParaDlg::%1()!</translation>
    </message>
    <message>
        <source>No disk is valid !</source>
        <translation>Kein Laufwerk ist verwendbar!</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid file &quot;%1 &quot;,
Please delete it manually!</source>
        <translation>Die ungültige Datei „%1“ kann nicht gelöscht werden.
Bitte löschen Sie sie von Hand.</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid back-up file,
Please delete it manually!</source>
        <translation>Die ungültige Sicherungsdatei kann nicht gelöscht werden.
Bitte löschen Sie sie von Hand.</translation>
    </message>
    <message>
        <source>Can&apos;t delete &quot;%1&quot;,Please delete it manually!</source>
        <translation>„%1“ kann nicht gelöscht werden. Bitte löschen Sie die Datei von Hand.</translation>
    </message>
    <message>
        <source>Set all camera parameters to default ?</source>
        <translation>Alle Kameraparameter auf die Standardwerte setzen?</translation>
    </message>
    <message>
        <source>Default setings is not applied, no data is modified !</source>
        <translation>Die Standardwerte wurden nicht übernommen, es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>OK,All camera parameters have been set to default !</source>
        <translation>Alle Kameraparameter wurden auf die Standardwerte gesetzt.</translation>
    </message>
    <message>
        <source>Sava all parameters to &quot;%1&quot; ?</source>
        <translation>Alle Parameter in „%1“ speichern?</translation>
    </message>
    <message>
        <source>OK,All parameters have been saved success !</source>
        <translation>Alle Parameter wurden gespeichert.</translation>
    </message>
    <message>
        <source>Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !</source>
        <translation>Ungültiger Aufruf von CWKS_ModSelDlg::Mng_RegistryValue()!</translation>
    </message>
    <message>
        <source>Please Select A Product !</source>
        <translation>Bitte wählen Sie ein Produkt aus!</translation>
    </message>
    <message>
        <source>Error In CWKS_ModSelDlg::Mng_JumpToMain() !
Product list is empty()...</source>
        <translation>Fehler in CWKS_ModSelDlg::Mng_JumpToMain()!
Die Produktliste ist leer.</translation>
    </message>
    <message>
        <source>File is not exist ! 
Whether retain the directory record of audio file last time you added ?</source>
        <translation>Die Datei existiert nicht!
Soll die zuletzt hinzugefügte Audiodatei beibehalten werden?</translation>
    </message>
    <message>
        <source>File is not exist !</source>
        <translation>Die Datei existiert nicht!</translation>
    </message>
    <message>
        <source>Whether retain the directory record of audio file last time you added ?</source>
        <translation>Soll die zuletzt hinzugefügte Audiodatei beibehalten werden?</translation>
    </message>
    <message>
        <source>Error status in control &quot;WorkDay&quot; !</source>
        <translation>Ungültiger Zustand im Feld „Arbeitstage“!</translation>
    </message>
    <message>
        <source>The status of &quot;Time Lapse&quot; and &quot;PIR Tirgger&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>„Zeitraffer“ und „PIR-Auslöser“ können nicht gleichzeitig auf „OFF“ stehen!</translation>
    </message>
    <message>
        <source>The status of &quot;PIR Tirgger&quot; and &quot;Time Lapse&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>„PIR-Auslöser“ und „Zeitraffer“ können nicht gleichzeitig auf „OFF“ stehen!</translation>
    </message>
    <message>
        <source>Save all camera parameters ?</source>
        <translation>Alle Kameraparameter übernehmen?</translation>
    </message>
    <message>
        <source>OK,Camara parameters have been saved success !</source>
        <translation>Die Kameraparameter wurden übernommen.</translation>
    </message>
    <message>
        <source>Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !</source>
        <translation>Fehler in CWKS_CamParaGroup1Dlg::OnInitDialog()!</translation>
    </message>
    <message>
        <source>Invalid call for ManageOtherUI()!</source>
        <translation>Ungültiger Aufruf von ManageOtherUI()!</translation>
    </message>
    <message>
        <source>Save all WAP/Internet parameters ?</source>
        <translation>Alle WAP-/Internet-Parameter übernehmen?</translation>
    </message>
    <message>
        <source>OK,WAP/Internet Parameters saved success !</source>
        <translation>Die WAP-/Internet-Parameter wurden übernommen.</translation>
    </message>
    <message>
        <source>Invalid call for CUtil::GetDayForYMonth() !</source>
        <translation>Ungültiger Aufruf von CUtil::GetDayForYMonth()!</translation>
    </message>
</context>
<context>
    <name>wks::CameraModel</name>
    <message>
        <source>WKS CONFIG : For %1 Sweden Customized</source>
        <translation>WKS CONFIG: für %1 – für Schweden angepasst</translation>
    </message>
    <message>
        <source>WKS CONFIG : For %1</source>
        <translation>WKS CONFIG: für %1</translation>
    </message>
</context>
<context>
    <name>wks::PlaceholderSender</name>
    <message>
        <source>E-mail from the camera needs your own sender account: set it under Check WAP / Internet Parameters.</source>
        <translation>Damit die Kamera E-Mails senden kann, braucht sie Ihr eigenes Absenderkonto: Tragen Sie es unter „WAP-/Internet-Parameter prüfen“ ein.</translation>
    </message>
</context>
<context>
    <name>wks::ui::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_MainParaDlg</name>
    <message>
        <source>Others......</source>
        <translation>Andere......</translation>
    </message>
    <message>
        <source>Admin Number</source>
        <translation>Admin-Nummer</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Über WKS CONFIG</translation>
    </message>
    <message>
        <source>About Us (F1)</source>
        <translation>Über WKS CONFIG (F1)</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_ModSelDlg</name>
    <message>
        <source>Product picture</source>
        <translation>Produktbild</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Kein Produkt ausgewählt</translation>
    </message>
</context>
<context>
    <name>wks::ui::CameraScreen</name>
    <message>
        <source>You can click the left button to add audio file if GameCall is ON !</source>
        <translation>Lockruf auf ON: Audiodatei mit der Schaltfläche links hinzufügen</translation>
    </message>
    <message>
        <source>Game Call hour</source>
        <translation>Lockruf, Stunde</translation>
    </message>
    <message>
        <source>Game Call minute</source>
        <translation>Lockruf, Minute</translation>
    </message>
    <message>
        <source>Start Time hour</source>
        <translation>Beginn, Stunde</translation>
    </message>
    <message>
        <source>Start Time minute</source>
        <translation>Beginn, Minute</translation>
    </message>
    <message>
        <source>Stop Time hour</source>
        <translation>Ende, Stunde</translation>
    </message>
    <message>
        <source>Stop Time minute</source>
        <translation>Ende, Minute</translation>
    </message>
    <message>
        <source>Send Time hour</source>
        <translation>Sendezeit, Stunde</translation>
    </message>
    <message>
        <source>Send Time minute</source>
        <translation>Sendezeit, Minute</translation>
    </message>
    <message>
        <source>Audio file</source>
        <translation>Audiodatei</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Datum der Kamerauhr</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Uhrzeit der Kamerauhr</translation>
    </message>
</context>
<context>
    <name>wks::ui::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Converting the game call…</source>
        <translation>Der Lockruf wird umgewandelt …</translation>
    </message>
</context>
<context>
    <name>wks::ui::FileFilter</name>
    <message>
        <source>Audio File(*.mp3,*.wav,*.aac)</source>
        <translation>Audiodatei (*.mp3, *.wav, *.aac)</translation>
    </message>
</context>
<context>
    <name>wks::ui::Latin1Field</name>
    <message>
        <source>The camera accepts only the digits 0 to 9 here.</source>
        <translation>Die Kamera nimmt hier nur die Ziffern 0 bis 9 an.</translation>
    </message>
    <message>
        <source>The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, signs and Western European letters such as é, ü, ß.</source>
        <translation>Die Kamera nimmt nur Latin-1-Zeichen an: A bis Z, a bis z, 0 bis 9, Satzzeichen und westeuropäische Buchstaben wie é, ü, ß.</translation>
    </message>
</context>
<context>
    <name>wks::ui::MailTestRun</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Testing the e-mail account…</source>
        <translation>Das E-Mail-Konto wird getestet …</translation>
    </message>
</context>
</TS>
