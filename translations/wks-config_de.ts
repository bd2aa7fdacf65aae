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
    <message>
        <source>Eject (&amp;E)</source>
        <translation>Aus&amp;werfen</translation>
    </message>
    <message>
        <source>Many Cards... (&amp;M)</source>
        <translation>&amp;Viele Karten...</translation>
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
    <name>CardStationDlg</name>
    <message>
        <source>Cameras (&amp;A):</source>
        <translation>&amp;Kameras:</translation>
    </message>
    <message>
        <source>Open List... (&amp;O)</source>
        <translation>&amp;Liste öffnen...</translation>
    </message>
    <message>
        <source>Add Camera (&amp;D)</source>
        <translation>Kamera &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Remove Camera (&amp;R)</source>
        <translation>Kamera &amp;entfernen</translation>
    </message>
    <message>
        <source>Write over a settings file already on a card (&amp;W)</source>
        <translation>Eine Einstellungsdatei auf der Speicherkarte &amp;überschreiben</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Speicherkarten:</translation>
    </message>
    <message>
        <source>Start (&amp;S)</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Stop (&amp;T)</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Close (&amp;L)</source>
        <translation>Schl&amp;ießen</translation>
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
    <message>
        <source>ffmpeg is not installed, and the game call is converted with it: install the package ffmpeg.</source>
        <translation>ffmpeg ist nicht installiert, wird aber zum Umwandeln des Lockrufs gebraucht: Installieren Sie das Paket ffmpeg.</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>die Karte ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the drive is read-only</source>
        <translation>das Laufwerk ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1: (not usable: no folder)</source>
        <translation>%1: (nicht verwendbar: kein Ordner)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no folder)</source>
        <translation>%1: ist %2 (nicht verwendbar: kein Ordner)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: not enterable)</source>
        <translation>%1: ist %2 (nicht verwendbar: nicht zugänglich)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no answer in time)</source>
        <translation>%1: ist %2 (nicht verwendbar: keine Antwort in der Zeit)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3, %4 free)</source>
        <translation>%1: ist %2 (%3, %4 frei)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3)</source>
        <translation>%1: ist %2 (%3)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3 free)</source>
        <translation>%1: ist %2 (%3 frei)</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: ist %2</translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot;: %3</source>
        <translation>Zeile %1, Spalte „%2“: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>keine Kopfzeile</translation>
    </message>
    <message>
        <source>the column is named twice</source>
        <translation>die Spalte ist doppelt benannt</translation>
    </message>
    <message>
        <source>no key of %1&apos;s settings file, nor a column of a deployments table</source>
        <translation>kein Schlüssel der Einstellungsdatei der %1 und keine Spalte einer Einsatztabelle</translation>
    </message>
    <message>
        <source>the camera clock is not set per camera</source>
        <translation>die Kamerauhr wird nicht pro Kamera gestellt</translation>
    </message>
    <message>
        <source>line 1: no column &quot;cameraID&quot;</source>
        <translation>Zeile 1: keine Spalte „cameraID“</translation>
    </message>
    <message>
        <source>line %1: %2 fields, the header has %3</source>
        <translation>Zeile %1: %2 Felder, die Kopfzeile hat %3</translation>
    </message>
    <message>
        <source>no cameraID</source>
        <translation>keine cameraID</translation>
    </message>
    <message>
        <source>a cameraID holds a line break</source>
        <translation>eine cameraID enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>„%1“ steht bereits in Zeile %2</translation>
    </message>
    <message>
        <source>the value holds a line break</source>
        <translation>der Wert enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>a character that the camera&apos;s files cannot hold (Latin-1 only)</source>
        <translation>ein Zeichen, das die Dateien der Kamera nicht aufnehmen können (nur Latin-1)</translation>
    </message>
    <message>
        <source>the list names no camera</source>
        <translation>die Liste nennt keine Kamera</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>cannot write the report &quot;%1&quot;: %2</source>
        <translation>der Bericht „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the report %1: %2</source>
        <translation>der Bericht %1: %2</translation>
    </message>
    <message>
        <source>the report &quot;%1&quot; has other columns than this run&apos;s list: give another report</source>
        <translation>der Bericht „%1“ hat andere Spalten als die Liste dieses Durchlaufs: Geben Sie einen anderen Bericht an</translation>
    </message>
    <message>
        <source>the card is read-only (%1)</source>
        <translation>die Speicherkarte ist schreibgeschützt (%1)</translation>
    </message>
    <message>
        <source>the card is full (%1)</source>
        <translation>die Speicherkarte ist voll (%1)</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written (%1)</source>
        <translation>die Speicherkarte wurde beim Schreiben entfernt oder hat versagt (%1)</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot;</source>
        <translation>unbekanntes Modell „%1“</translation>
    </message>
    <message>
        <source>cannot write the backup %1: %2</source>
        <translation>die Sicherung %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the game call is converted with ffmpeg, which is not installed: install the package ffmpeg</source>
        <translation>der Lockruf wird mit ffmpeg umgewandelt, das nicht installiert ist: Installieren Sie das Paket ffmpeg</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2</source>
        <translation>der Lockruf %1 konnte nicht umgewandelt werden: %2</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2 (%3)</source>
        <translation>der Lockruf %1 konnte nicht umgewandelt werden: %2 (%3)</translation>
    </message>
    <message>
        <source>&quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; could not be renamed</source>
        <translation>„IMAG0001.JPG“ oder „VIDE0001.AVI“ konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>the game call read back is not the one written</source>
        <translation>der zurückgelesene Lockruf ist nicht der geschriebene</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 ist nicht mehr da: Hängen Sie jede Speicherkarte vor dem Entfernen aus</translation>
    </message>
    <message>
        <source>it holds %1 already; it is written over only when the run says so</source>
        <translation>sie enthält bereits %1; diese Datei wird nur überschrieben, wenn der Durchlauf es vorsieht</translation>
    </message>
    <message>
        <source>it holds the settings file of a %1 (%2)</source>
        <translation>sie enthält die Einstellungsdatei einer %1 (%2)</translation>
    </message>
    <message>
        <source>this card was written for %1 — safe to remove</source>
        <translation>diese Speicherkarte wurde für %1 geschrieben — kann sicher entfernt werden</translation>
    </message>
    <message>
        <source>this card was written for %1 — unmount it before you remove it</source>
        <translation>diese Speicherkarte wurde für %1 geschrieben — vor dem Entfernen aushängen</translation>
    </message>
    <message>
        <source>card left untouched: %1 — safe to remove</source>
        <translation>Speicherkarte unverändert: %1 — kann sicher entfernt werden</translation>
    </message>
    <message>
        <source>card left untouched: %1 — unmount it before you remove it</source>
        <translation>Speicherkarte unverändert: %1 — vor dem Entfernen aushängen</translation>
    </message>
    <message>
        <source>%1 (the report could not be written: %2)</source>
        <translation>%1 (der Bericht konnte nicht geschrieben werden: %2)</translation>
    </message>
    <message>
        <source>%1 not written: %2 — safe to remove</source>
        <translation>%1 nicht geschrieben: %2 — kann sicher entfernt werden</translation>
    </message>
    <message>
        <source>%1 not written: %2 — remove the card and try again</source>
        <translation>%1 nicht geschrieben: %2 — entfernen Sie die Speicherkarte und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be written: %2</source>
        <translation>die Kopie der Kamera %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be read: %2</source>
        <translation>die Kopie der Kamera %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the game call: %1</source>
        <translation>der Lockruf: %1</translation>
    </message>
    <message>
        <source>the card could not be read back: %1</source>
        <translation>die Speicherkarte konnte nicht zurückgelesen werden: %1</translation>
    </message>
    <message>
        <source>the card gave back other bytes than were written</source>
        <translation>die Speicherkarte gab andere Bytes zurück, als geschrieben wurden</translation>
    </message>
    <message>
        <source>the camera would not read it: %1</source>
        <translation>die Kamera würde sie nicht lesen: %1</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 fertig — kann sicher entfernt werden</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 fertig — vor dem Entfernen aushängen</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it (%2)</source>
        <translation>%1 fertig — vor dem Entfernen aushängen (%2)</translation>
    </message>
    <message>
        <source>SMTP SSL is 0, 1 or empty, not &quot;%1&quot;</source>
        <translation>SMTP SSL ist 0, 1 oder leer, nicht „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network key of %2</source>
        <translation>„%1“ ist kein Netzwerkschlüssel der %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a camera key of %2</source>
        <translation>„%1“ ist kein Kameraschlüssel der %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; for &quot;%2&quot; is not a number</source>
        <translation>„%1“ für „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of %2&apos;s settings file</source>
        <translation>„%1“ ist kein Schlüssel der Einstellungsdatei der %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>no file mark: [WKSFileMark] Model is missing</source>
        <translation>keine Dateimarke: [WKSFileMark] Model fehlt</translation>
    </message>
    <message>
        <source>file mark &quot;%1&quot; is not %2</source>
        <translation>Dateimarke „%1“ ist nicht %2</translation>
    </message>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 fehlt</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters, the most the program writes</source>
        <translation>[%1] %2 ist länger als %3 Zeichen, die das Programm höchstens schreibt</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is neither 0 nor 1</source>
        <translation>[%1] %2 „%3“ ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters</source>
        <translation>[%1] %2 ist länger als %3 Zeichen</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is not a number</source>
        <translation>[%1] %2 „%3“ ist keine Zahl</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is outside %4 to %5</source>
        <translation>[%1] %2 %3 liegt außerhalb von %4 bis %5</translation>
    </message>
    <message>
        <source>the camera clock is not a valid date and time</source>
        <translation>die Kamerauhr zeigt kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>[%1] %2 is not a key of %3</source>
        <translation>[%1] %2 ist kein Schlüssel der %3</translation>
    </message>
    <message>
        <source>%1 for %2: %4, not %3</source>
        <translation>%1 für %2: %4, nicht %3</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
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
    <name>wks::mail</name>
    <message>
        <source>Cancelled during %1.</source>
        <translation>Abgebrochen beim Schritt %1.</translation>
    </message>
    <message>
        <source>%1 failed: SEND EMAIL SERVER is empty.</source>
        <translation>%1 fehlgeschlagen: Postausgangsserver ist leer.</translation>
    </message>
    <message>
        <source>%1 failed: the PORT &quot;%2&quot; is no port number (1 to 65535).</source>
        <translation>%1 fehlgeschlagen: Der Port „%2“ ist keine Portnummer (1 bis 65535).</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>Receive Email 1</source>
        <translation>E-Mail-Empfänger 1</translation>
    </message>
    <message>
        <source>The e-mail test needs libcurl: %1</source>
        <translation>Der E-Mail-Test braucht libcurl: %1</translation>
    </message>
    <message>
        <source>%1 failed: &quot;%2&quot; is no server name: check SEND EMAIL SERVER.</source>
        <translation>%1 fehlgeschlagen: „%2“ ist kein Servername: Prüfen Sie den Postausgangsserver.</translation>
    </message>
    <message>
        <source>E-mail test passed</source>
        <translation>E-Mail-Test bestanden</translation>
    </message>
    <message>
        <source>E-mail test failed</source>
        <translation>E-Mail-Test fehlgeschlagen</translation>
    </message>
    <message>
        <source>&quot;SMTP SSL&quot; (Advanced... on the WAP / Internet screen)</source>
        <translation>„SMTP SSL“ (Erweitert … im Fenster WAP-/Internet-Parameter)</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;</source>
        <translation> Der Server sagte: „%1“</translation>
    </message>
    <message>
        <source>port %1 of %2</source>
        <translation>Port %1 von %2</translation>
    </message>
    <message>
        <source>the name service did not answer within %1: is this computer on the Internet?</source>
        <translation>Der Namensdienst hat nicht innerhalb von %1 geantwortet: Ist dieser Rechner mit dem Internet verbunden?</translation>
    </message>
    <message>
        <source>the server name &quot;%1&quot; is unknown: check SEND EMAIL SERVER (or this computer is not on the Internet).</source>
        <translation>Der Servername „%1“ ist unbekannt: Prüfen Sie den Postausgangsserver (oder dieser Rechner ist nicht mit dem Internet verbunden).</translation>
    </message>
    <message>
        <source>nothing answered on %1 within %2: check the PORT beside SEND EMAIL SERVER, or a firewall is in the way.</source>
        <translation>Auf %1 hat innerhalb von %2 nichts geantwortet: Prüfen Sie den Port neben dem Postausgangsserver, oder eine Firewall ist im Weg.</translation>
    </message>
    <message>
        <source>nothing listens on %1: check the PORT beside SEND EMAIL SERVER (mail providers take mail on 465 with SSL, or on 587 or 25).</source>
        <translation>Auf %1 wartet nichts: Prüfen Sie den Port neben dem Postausgangsserver (Mail-Anbieter nehmen Mails auf 465 mit SSL an, oder auf 587 oder 25).</translation>
    </message>
    <message>
        <source>SMTP SSL is ticked, but the server speaks plain text on port %1 (it said &quot;%2&quot;). Untick %3, or use the server&apos;s SSL port, usually 465.</source>
        <translation>SMTP SSL ist angekreuzt, aber der Server spricht auf Port %1 unverschlüsselt (er sagte „%2“). Entfernen Sie das Kreuz bei %3, oder verwenden Sie den SSL-Port des Servers, meist 465.</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but did not start TLS within %3.</source>
        <translation>%1 hat die Verbindung auf Port %2 angenommen, aber TLS nicht innerhalb von %3 begonnen.</translation>
    </message>
    <message>
        <source>the encryption could not be started (%1).</source>
        <translation>Die Verschlüsselung konnte nicht begonnen werden (%1).</translation>
    </message>
    <message>
        <source>the server speaks TLS on port %1, but SMTP SSL is not ticked. Tick %2, or use the server&apos;s plain-text port, usually 587 or 25.</source>
        <translation>Der Server spricht auf Port %1 TLS, aber SMTP SSL ist nicht angekreuzt. Kreuzen Sie %2 an, oder verwenden Sie den unverschlüsselten Port des Servers, meist 587 oder 25.</translation>
    </message>
    <message>
        <source>the server refused to talk.%1</source>
        <translation>Der Server verweigert das Gespräch.%1</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but said nothing within %3.</source>
        <translation>%1 hat die Verbindung auf Port %2 angenommen, aber innerhalb von %3 nichts gesagt.</translation>
    </message>
    <message>
        <source>the server closed the connection without a greeting (%1).</source>
        <translation>Der Server hat die Verbindung ohne Begrüßung geschlossen (%1).</translation>
    </message>
    <message>
        <source>the server wants encryption before the login (it offers STARTTLS), but SMTP SSL is not ticked. The camera must use SSL: tick %1 and use the server&apos;s SSL port, usually 465.%2</source>
        <translation>Der Server will vor der Anmeldung Verschlüsselung (er bietet STARTTLS an), aber SMTP SSL ist nicht angekreuzt. Die Kamera muss SSL verwenden: Kreuzen Sie %1 an und verwenden Sie den SSL-Port des Servers, meist 465.%2</translation>
    </message>
    <message>
        <source>the server did not answer the login within %1.</source>
        <translation>Der Server hat nicht innerhalb von %1 auf die Anmeldung geantwortet.</translation>
    </message>
    <message>
        <source>the server offers no login on port %1: check the PORT (mail providers take logins on 465 with SSL, or on 587).</source>
        <translation>Der Server bietet auf Port %1 keine Anmeldung an: Prüfen Sie den Port (Mail-Anbieter nehmen Anmeldungen auf 465 mit SSL an, oder auf 587).</translation>
    </message>
    <message>
        <source>the server offers no way of logging in that the camera knows (%1).</source>
        <translation>Der Server bietet kein Anmeldeverfahren an, das die Kamera kennt (%1).</translation>
    </message>
    <message>
        <source>the server refused the address and password. The password is the likely fault (many providers want an app password for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS.%1</source>
        <translation>Der Server hat Adresse und Passwort abgelehnt. Wahrscheinlich liegt es am Passwort (viele Anbieter verlangen für Geräte ein App-Passwort): Prüfen Sie das Absender-Passwort, dann die Absenderadresse.%1</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>the server did not answer within %1 while taking the test message.</source>
        <translation>Der Server hat beim Annehmen der Testnachricht nicht innerhalb von %1 geantwortet.</translation>
    </message>
    <message>
        <source>the server does not let %1 send.%2</source>
        <translation>Der Server lässt %1 nicht senden.%2</translation>
    </message>
    <message>
        <source>the server refused the recipient %1.%2</source>
        <translation>Der Server hat den Empfänger %1 abgelehnt.%2</translation>
    </message>
    <message>
        <source>the server did not take the test message.%1</source>
        <translation>Der Server hat die Testnachricht nicht angenommen.%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is self-signed</source>
        <translation>Es ist selbstsigniert</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>Es ist abgelaufen</translation>
    </message>
    <message>
        <source>it is not valid yet</source>
        <translation>Es ist noch nicht gültig</translation>
    </message>
    <message>
        <source>it is signed by an authority this computer does not know</source>
        <translation>Es ist von einer Zertifizierungsstelle signiert, die dieser Rechner nicht kennt</translation>
    </message>
    <message>
        <source>this computer&apos;s certificates cannot be read</source>
        <translation>Die Zertifikate dieses Rechners können nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is made out to another name than %1</source>
        <translation>Es ist auf einen anderen Namen als %1 ausgestellt</translation>
    </message>
    <message>
        <source>it is not accepted</source>
        <translation>Es wird nicht anerkannt</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>holds a blank</source>
        <translation>enthält ein Leerzeichen</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>enthält „%1“</translation>
    </message>
    <message>
        <source>has no &quot;@&quot;</source>
        <translation>enthält kein „@“</translation>
    </message>
    <message>
        <source>holds more than one &quot;@&quot;</source>
        <translation>enthält mehr als ein „@“</translation>
    </message>
    <message>
        <source>has nothing before its &quot;@&quot;</source>
        <translation>hat nichts vor dem „@“</translation>
    </message>
    <message>
        <source>has nothing after its &quot;@&quot;</source>
        <translation>hat nichts nach dem „@“</translation>
    </message>
    <message>
        <source>Name look-up</source>
        <translation>Namensauflösung</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Begrüßung</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>%1 is an address, nothing to look up</source>
        <translation>%1 ist eine Adresse, nichts aufzulösen</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2</source>
        <translation>%1 antwortet auf Port %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2 (no PORT given: the standard port)</source>
        <translation>%1 antwortet auf Port %2 (kein Port angegeben: der Standardport)</translation>
    </message>
    <message>
        <source>the connection is encrypted from the first byte</source>
        <translation>Die Verbindung ist vom ersten Byte an verschlüsselt</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password (%2)</source>
        <translation>Der Server hat %1 und das Passwort angenommen (%2)</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password</source>
        <translation>Der Server hat %1 und das Passwort angenommen</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted (%2)</source>
        <translation>Die Testnachricht an %1 wurde angenommen (%2)</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted</source>
        <translation>Die Testnachricht an %1 wurde angenommen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the test took longer than %1 in all</source>
        <translation>Der Test dauerte insgesamt länger als %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2); the password is sent anyway, as asked.</source>
        <translation>Warnung: Das Zertifikat des Servers lässt sich nicht prüfen: %1 (%2); das Passwort wird wie gewünscht trotzdem gesendet.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2).</source>
        <translation>Warnung: Das Zertifikat des Servers lässt sich nicht prüfen: %1 (%2).</translation>
    </message>
    <message>
        <source> Besides, the server offers no login on port %1.</source>
        <translation> Außerdem bietet der Server auf Port %1 keine Anmeldung an.</translation>
    </message>
    <message>
        <source>%1 not tried: %2</source>
        <translation>%1 nicht versucht: %2</translation>
    </message>
    <message>
        <source>the password was not sent, because the server&apos;s certificate cannot be verified: whoever answered may not be the mail server. The camera may refuse the certificate too: ask the mail provider which server name and port to use.%1</source>
        <translation>Das Passwort wurde nicht gesendet, weil sich das Zertifikat des Servers nicht prüfen lässt: Wer geantwortet hat, ist vielleicht nicht der Mailserver. Auch die Kamera lehnt das Zertifikat womöglich ab: Fragen Sie den Mail-Anbieter, welcher Servername und Port zu verwenden sind.%1</translation>
    </message>
    <message>
        <source>Warning: the password crossed the network unencrypted, as it will from the camera.</source>
        <translation>Warnung: Das Passwort ging unverschlüsselt durchs Netz, so wie es auch von der Kamera aus gehen wird.</translation>
    </message>
    <message>
        <source>%1 %2; an e-mail address is one plain mailbox, such as name@example.org. The test stopped before connecting.</source>
        <translation>%1 %2; eine E-Mail-Adresse ist ein einfaches Postfach wie name@example.org. Der Test endete vor dem Verbindungsaufbau.</translation>
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
    <message>
        <source>Eject the card</source>
        <translation>Speicherkarte auswerfen</translation>
    </message>
    <message>
        <source>%1 is safe to remove.</source>
        <translation>%1 kann sicher entfernt werden.</translation>
    </message>
    <message>
        <source>%1 is written; unmount it before you remove it.</source>
        <translation>%1 ist geschrieben; hängen Sie sie aus, bevor Sie sie entfernen.</translation>
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
    <name>wks::ui::CWKS_WapParaDlg</name>
    <message>
        <source>Note: port %1 is kept as %2 (a PORT keeps 4 digits), so the test connects to %2.</source>
        <translation>Hinweis: Port %1 wird als %2 gespeichert (ein Port behält 4 Ziffern), daher verbindet sich der Test mit %2.</translation>
    </message>
    <message>
        <source>Send the password to this server anyway?</source>
        <translation>Das Passwort trotzdem an diesen Server senden?</translation>
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
    <name>wks::ui::CardStationDlg</name>
    <message>
        <source>Many Cards: %1</source>
        <translation>Viele Karten: %1</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Speicherkarte</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Camera List</source>
        <translation>Kameraliste</translation>
    </message>
    <message>
        <source>%1 of %2 cameras done</source>
        <translation>%1 von %2 Kameras fertig</translation>
    </message>
    <message>
        <source>Left alone: it is not a memory card</source>
        <translation>Nicht angerührt: Es ist keine Speicherkarte</translation>
    </message>
    <message>
        <source>Every camera is done.</source>
        <translation>Alle Kameras sind fertig.</translation>
    </message>
    <message>
        <source>The next card gets %1.</source>
        <translation>Die nächste Speicherkarte bekommt %1.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>wird geschrieben</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 fertig — kann sicher entfernt werden</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 fertig — vor dem Entfernen aushängen</translation>
    </message>
    <message>
        <source>This card was written for %1</source>
        <translation>Diese Speicherkarte wurde für %1 geschrieben</translation>
    </message>
    <message>
        <source>Card left untouched: it holds %1 already</source>
        <translation>Speicherkarte unverändert: Sie enthält bereits %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds the settings file of a %1</source>
        <translation>Speicherkarte unverändert: Sie enthält die Einstellungsdatei einer %1</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>die Speicherkarte ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>die Speicherkarte ist voll</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written</source>
        <translation>die Speicherkarte wurde beim Schreiben entfernt oder hat versagt</translation>
    </message>
    <message>
        <source>%1 not written: %2</source>
        <translation>%1 nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>%1 — safe to remove</source>
        <translation>%1 — kann sicher entfernt werden</translation>
    </message>
    <message>
        <source>%1 — unmount it before you remove it</source>
        <translation>%1 — vor dem Entfernen aushängen</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 ist nicht mehr da: Hängen Sie jede Speicherkarte vor dem Entfernen aus</translation>
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
<context>
    <name>wks::ui::Picture</name>
    <message>
        <source>Settings for GSM / MMS trail cameras</source>
        <translation>Einstellungen für GSM-/MMS-Wildkameras</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Kein Produkt ausgewählt</translation>
    </message>
</context>
</TS>
