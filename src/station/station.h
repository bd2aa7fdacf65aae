// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card station: many cameras of one model set up in one sitting. It waits for cards; each
// card that comes gets the next camera of the list not yet done: the settings file as SAVE
// writes it (the clock stamped at that card's write when the template follows the computer's
// clock), read back and compared byte for byte, judged as `check` judges it, then the card is
// ejected and the station says "CAM-07 done — safe to remove". Nothing of another card is
// touched; a card that holds a settings file already is written only when the run says so.
// Every card ends in a row of the report.

#include <QObject>
#include <memory>
#include <optional>
#include <string>

#include "platform/cardsource.h"
#include "platform/message.h"
#include "platform/process.h"
#include "settings/appstate.h"
#include "station/cameralist.h"
#include "station/report.h"

namespace wks {

struct StationOptions {
    std::string model;  // display name
    AppState templateState;
    Recipients templateRecipients;
    CameraList cameras = CameraList::numbered();
    std::string reportPath;
    bool overwrite = false;  // a card that holds the model's file is written all the same
    int count = 0;           // cards to write in this run; 0: until the list is done
    ProcessRunner* converter = nullptr;  // runs ffmpeg for the game call; none: the system's
};

struct StationEvent {
    enum class Kind {
        Waiting,        // for a card; `camera` is the one it will get
        Arrived,        // a card came and gets `camera`
        Written,        // its settings file is on the card
        Verified,       // read back the same, and the camera reads it all
        Done,           // the card is finished: `text` says whether it is safe to remove
        Failed,         // nothing usable was written: `text` says why; the camera is not done
        Refused,        // left untouched: `text` says why
        Known,          // a card finished before: `camera` is the one it was written for
        SourceChanged,  // UDisks2 went away: the drive letters' media are watched from now on
        LeftAlone,      // a medium that is not a card: not written, ejected, reported or counted
    };
    // Why a card was not written, for a window to say in the user's language.
    enum class Why {
        None,
        ReadOnly,
        Full,
        WentAway,         // pulled out, or failing, while it was written
        HoldsOwnFile,     // `detail`: the file's name on the card ("GSM\LN714W.TXT")
        HoldsOtherModel,  // `detail`: that model's display name
        Other,            // `detail`: the reason (a system's words, a problem of the file)
    };
    Kind kind;
    std::string camera;
    Card card;
    Text text;  // the whole line (the command line prints it in English)
    Why why = Why::None;
    Text detail;
    std::string reportWhy;  // the system's reason the report did not take the card's row
    bool safe = false;      // Done, Failed, Refused, Known: the card may be removed now
};

class StationObserver {
  public:
    virtual ~StationObserver() = default;
    virtual void stationEvent(const StationEvent& event) = 0;
};

class Station : public QObject {
    Q_OBJECT
  public:
    Station(StationOptions options, std::unique_ptr<CardSource> source);
    ~Station() override;

    // Opens the report (taking the cameras done in it) and writes the template's backup; the
    // words of the reason when the run cannot start, empty when it can.
    Text prepare();
    void setObserver(StationObserver* observer) { observer_ = observer; }

    // Serves the cards in now, one after the other; returns when none is left to serve.
    void serveCards();
    // Serves cards as they come, until the run is finished or stopped.
    void run();
    // Ends the run once the current card is finished.
    void stop();

    bool finished() const;
    bool stopped() const { return stop_; }
    // The camera the next card gets; empty when none is left.
    std::string nextCamera() const;
    int written() const { return written_; }
    int failed() const { return failed_; }
    // Cameras done of the list's (done so far, including earlier runs); total 0 without a list.
    std::size_t doneCount() const;
    std::size_t total() const;
    bool ejects() const { return source_->ejects(); }

  signals:
    void wake();

  private slots:
    void sourceLost();

  private:
    struct Camera {
        std::string id;
        std::optional<std::size_t> row;  // in the list
    };
    std::optional<Camera> next() const;
    void serve(const Card& card);
    void emitEvent(StationEvent::Kind kind, const std::string& camera, const Card& card,
                   Text text = {});
    void finishCard(const Card& card, const Camera& camera, ReportRow row, StationEvent::Kind kind,
                    Text text);
    // Why the card must be left untouched (why_ and detail_ set too); empty when it may be
    // written.
    Text refusal(const Card& card);
    // Converts the template's game call once for the whole run, beside the report.
    Text convertGameCall();
    // Puts the converted game call on the card and reads it back; the reason when it failed.
    Text placeGameCall(const Card& card);
    // Writes, verifies and ejects: the row's result and the words for the user.
    StationEvent::Kind writeCard(const Card& card, const Camera& camera, ReportRow& row,
                                 Text& text);

    StationOptions options_;
    const CameraModel* model_;
    std::unique_ptr<CardSource> source_;
    std::optional<Report> report_;
    StationObserver* observer_ = nullptr;
    std::string gameCall_;  // the converted game call; empty when there is none
    StationEvent::Why why_ = StationEvent::Why::None;  // of the card ending now
    Text detail_;
    std::string reportWhy_;
    bool safe_ = false;
    std::set<std::string> handled_;  // the cards in now that were served
    int written_ = 0, failed_ = 0, served_ = 0;
    bool stop_ = false;
};

}  // namespace wks
