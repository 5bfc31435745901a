#!/usr/bin/env python3
"""End-to-end journeys through QZ57editor.exe, as a user makes them: the real program under Wine
on a virtual display, mouse clicks and keystrokes only, results read from the files it writes and
from screenshots. Screenshots of every journey stay in the artifacts folder.

  run_journeys.py --editor QZ57editor.exe --qz57 qz57.exe --probe e2e_window_probe.exe --out DIR
                  [--only 1,2,3,4] [--readme-shots DIR]
"""

import argparse
import shutil
import subprocess
import sys
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from chart import View, chart_from_svg, compare_chart, samples_from_csv  # noqa: E402
from desktop import (IDNO, IDYES, Editor, JourneyError, Picture, Probe,  # noqa: E402
                     Screen, VirtualDisplay, differing_pixels, run_windows_program, wine_server_stop)

DIALOG = "パラメータ編集"
DIALOG_EN = "Parameters"
SAVED = "出力完了"
LOADED = "読込完了"
ERROR = "エラー"
QUESTION = "確認"
EXIT_QUESTION = "終了確認"
SAVED_EN, LOADED_EN, QUESTION_EN = "Written", "Loaded", "Confirm"

# Menu "ファイル": CSVファイル出力, 上書き保存, 設定保存, 設定読込, 波形データ取込..., 終了.
# The File menu's items, counted without its separators.
FILE_MENU, EXPORT_ITEM, SAVE_ITEM, LOAD_ITEM, EXIT_ITEM = 0, 0, 2, 3, 8

# Main window controls (ids) and the list positions of the combos' entries.
PERIOD, RANGE, RESOLUTION = 300, 301, 302
ELEMENT_LIST, APPEND, EDIT, INSERT, DELETE = 400, 500, 501, 502, 503
RANGE_32V, RANGE_10V = 0, 1
RESOLUTION_1MS, RESOLUTION_10MS = 0, 1
PERIOD_10S, PERIOD_30S = 3, 4
# The chart and its scroll bar at 96 dpi, in the main window's client area.
CANVAS_AT, STRIP_AT, STRIP_SIZE = (20, 20), (20, 420), (700, 16)

# Parameter dialog: OK, cancel, type combos, first fields of the two columns.
OK, TYPE, SUB_A, SUB_B, FIELD_A, FIELD_B = 510, 310, 311, 312, 620, 630
TYPE_ENTRY = {"FUNC_CONST": 0, "FUNC_SLOPE": 1, "FUNC_RECT": 2, "FUNC_TRI": 3, "FUNC_SIN": 4,
              "FUNC_EXPO": 5, "FUNC_RANDOM": 6, "FUNC_SUM": 7}


class Element:
    """One element as the user types it, and as the settings file must then hold it."""

    def __init__(self, keyword, typed, stored=None, sub=None):
        self.keyword, self.typed = keyword, typed
        self.stored = stored if stored is not None else [float(t) for t in typed]
        self.sub = sub  # for FUNC_SUM: ((keyword A, typed, stored), (keyword B, typed, stored))

    def file_lines(self):
        def params(values):
            return [f"PAR{i}\t{v:g}" for i, v in enumerate(values)]
        lines = [f"FUNC\t{self.keyword}"]
        if self.sub is None:
            return lines + params(self.stored)
        for keyword, _, stored in self.sub:
            lines += [f"SUBFUNC\t{keyword}"] + params(stored)
        return lines


def settings_text(range_code, resolution_code, elements):
    lines = ["### QZ570 series output editor data file ###", "VER\t1", f"OUTRANGE\t{range_code}",
             f"RESOLUTION\t{resolution_code}", f"ELEMENTS\t{len(elements)}"]
    for e in elements:
        lines += e.file_lines()
    return "".join(line + "\r\n" for line in lines).encode("ascii")


class Journeys:
    def __init__(self, args):
        self.args = args
        self.out = Path(args.out).resolve()
        self.probe = None

    def log(self, text):
        print(f"    {text}", flush=True)

    def editor(self, journey):
        folder = self.out / journey
        return Editor(self.args.editor, self.probe, Screen(folder), folder / "files", self.log)

    def qz57(self, *args):
        return run_windows_program([self.args.qz57, *args])

    def check(self, condition, what):
        if not condition:
            raise JourneyError(what)

    def eventually(self, condition, what, timeout=5):
        """Waits for the editor to show what the last input should bring; condition is a
        function, what a text or a function giving the text for the failure."""
        deadline = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > deadline:
                raise JourneyError(what() if callable(what) else what)
            time.sleep(0.1)

    # --- steps a user takes --------------------------------------------------------------

    def add_element(self, ed, element, button=APPEND, dialog=DIALOG):
        ed.press_button(button)
        ed.wait_for_window(dialog)
        if button != EDIT:
            ed.choose_combo_entry(TYPE, TYPE_ENTRY[element.keyword], dialog)
        if element.sub is None:
            fields = [(FIELD_A + i, t) for i, t in enumerate(element.typed)]
        else:
            (a, typed_a, _), (b, typed_b, _) = element.sub
            if button != EDIT:
                ed.choose_combo_entry(SUB_A, TYPE_ENTRY[a], dialog)
                ed.choose_combo_entry(SUB_B, TYPE_ENTRY[b], dialog)
            fields = ([(FIELD_A + i, t) for i, t in enumerate(typed_a)] +
                      [(FIELD_B + i, t) for i, t in enumerate(typed_b)])
        for field, text in fields:
            if text is not None:
                ed.set_field(field, text, dialog)
        return fields

    def readme_shot(self, ed, journey, shot, title, name):
        """With --readme-shots, the window of that title cut out of a screenshot, for the README."""
        if not self.args.readme_shots:
            return
        left, top, right, bottom = ed.find(title).rect
        folder = Path(self.args.readme_shots)
        folder.mkdir(parents=True, exist_ok=True)
        subprocess.run(["convert", str(self.out / journey / f"{shot}.png"), "-crop",
                        f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
                        str(folder / f"{name}.png")], check=True)

    def commit(self, ed, shot=None, dialog=DIALOG):
        if shot:
            ed.shot(shot)
            if shot.endswith("FUNC_SIN") and dialog == DIALOG:
                self.readme_shot(ed, "journey1", shot, DIALOG, "parameter-dialog")
        ed.press_button(OK, dialog)
        ed.wait_until_gone(dialog)

    def list_count(self, ed):
        return ed.control(ELEMENT_LIST).list_info[0]

    def save_settings(self, ed, path):
        ed.menu(FILE_MENU, SAVE_ITEM)
        ed.file_dialog(path)
        ed.expect_message(SAVED, "波形設定ファイルを書き出しました。")

    def export_csv(self, ed, path):
        ed.menu(FILE_MENU, EXPORT_ITEM)
        ed.file_dialog(path)
        ed.expect_message(SAVED, "CSVファイルを書き出しました。")

    def load_settings(self, ed, path, question=False, expect_valid=True):
        ed.menu(FILE_MENU, LOAD_ITEM)
        if question:
            ed.expect_message(QUESTION, "現在編集中のデータは失われますがよろしいですか?", IDYES)
        ed.file_dialog(path)
        if expect_valid:
            ed.expect_message(LOADED, "波形設定ファイルを読み込みました。")
        else:
            ed.expect_message(ERROR, "波形設定ファイルの内容が不正です。")

    def canvas_origin(self, ed):
        origin = ed.main_client_point(*CANVAS_AT)
        canvas = ed.control(1111)
        self.check(canvas.rect[:2] == origin,
                   f"the chart is at {canvas.rect[:2]}, the layout puts it at {origin}")
        return origin

    def list_rect(self, ed):
        return ed.control(ELEMENT_LIST).rect

    def combo_texts(self, ed):
        return [ed.control(c).text for c in (RANGE, RESOLUTION, PERIOD)]

    # --- journey 1 -----------------------------------------------------------------------

    def journey1_elements(self):
        const = Element("FUNC_CONST", ["2.5", "10"])
        # The end value is typed above the range's 10 V and the time constant between steps.
        slope = Element("FUNC_SLOPE", ["-5", "12.3456", "20"], [-5, 10, 20])
        rect = Element("FUNC_RECT", ["-2", "6", "1.5", "2.5", "3"])
        tri = Element("FUNC_TRI", ["0", "8", "2", "1", "4"])
        sine = Element("FUNC_SIN", ["1", "3", "4", "90", "20"])
        expo = Element("FUNC_EXPO", ["8", "-4", "2.999", "15"], [8, -4, 3, 15])
        noise = Element("FUNC_RANDOM", ["0.5", "1.5", "1234", "10"])
        summed = Element("FUNC_SUM", [], [], sub=(
            ("FUNC_TRI", ["0", "4", "1", "1", "5"], [0, 4, 1, 1, 5]),
            ("FUNC_RANDOM", ["0", "0.5", "42", "10"], [0, 0.5, 42, 10])))
        return [const, slope, rect, tri, sine, expo, noise, summed]

    def journey1(self):
        ed = self.editor("journey1")
        files = self.out / "journey1" / "files"
        try:
            ed.shot("01-start")
            self.check(not ed.control(APPEND).enabled, "append is enabled before any choice")
            ed.choose_combo_entry(RANGE, RANGE_10V)
            self.check(not ed.control(APPEND).enabled, "append is enabled with only a range")
            ed.choose_combo_entry(RESOLUTION, RESOLUTION_10MS)
            self.eventually(lambda: self.combo_texts(ed)[:2] == ["±10V", "10m秒 / 15分"],
                            lambda: f"the combos show {self.combo_texts(ed)}")
            self.eventually(lambda: ed.control(APPEND).enabled,
                            "append stays disabled after both choices")
            ed.shot("02-range-and-resolution")

            elements = self.journey1_elements()
            for number, element in enumerate(elements, 1):
                self.add_element(ed, element)
                self.commit(ed, shot=f"03-dialog-{number}-{element.keyword}")
                self.eventually(lambda: self.list_count(ed) == number,
                                lambda: f"the list has {self.list_count(ed)} rows after "
                                f"{number} appends")
            self.log(f"appended {len(elements)} elements, one of every type")
            ed.shot("04-all-types")

            # Insert before the second row.
            inserted = Element("FUNC_CONST", ["-7.25", "5"])
            ed.select_row(1)
            self.eventually(lambda: ed.control(INSERT).enabled,
                            "insert stays disabled with a row selected")
            self.add_element(ed, inserted, INSERT)
            self.commit(ed, shot="05-insert-dialog")
            elements.insert(1, inserted)
            self.eventually(lambda: self.list_count(ed) == 9, "the insert did not add a row")
            self.check(not ed.control(EDIT).enabled, "a row stays selected after the insert")

            # Edit the sine (now row 6): amplitude and total time.
            ed.select_row(5)
            self.eventually(lambda: ed.control(EDIT).enabled, "edit stays disabled")
            sine = elements[5]
            self.check(sine.keyword == "FUNC_SIN", "row 6 is not the sine")
            edited = Element("FUNC_SIN", [None, "4.5", None, None, "25"], [1, 4.5, 4, 90, 25])
            self.add_element(ed, edited, EDIT)
            # The field being typed in is rounded only when it loses the focus.
            shown = [ed.control(FIELD_A + i, DIALOG).text for i in range(4)]
            self.check(shown == ["1.0000", "4.5000", "4.00", "90"],
                       f"the edit dialog shows {shown}")
            self.commit(ed, shot="06-edit-dialog")
            elements[5] = edited
            self.check(self.list_count(ed) == 9, "the edit changed the number of rows")

            # Delete the rectangle (row 4).
            ed.select_row(3)
            self.eventually(lambda: ed.control(DELETE).enabled, "delete stays disabled")
            ed.press_button(DELETE)
            del elements[3]
            self.eventually(lambda: self.list_count(ed) == 8, "the delete did not remove a row")
            ed.shot("07-after-delete")

            dat, csv = files / "journey1.dat", files / "00000000.csv"
            self.save_settings(ed, dat)
            self.export_csv(ed, csv)
            ed.shot("08-saved-and-exported")

            wanted = settings_text(0, 0, elements)
            self.check(dat.read_bytes() == wanted,
                       "the settings file differs from what was entered:\n" +
                       dat.read_bytes().decode("ascii", "replace"))
            self.log("the settings file holds exactly the elements entered")
            reference = files / "qz57-export.csv"
            result = self.qz57("export", dat, reference)
            self.check(result.returncode == 0, f"qz57 export failed: {result.stderr!r}")
            self.check(csv.read_bytes() == reference.read_bytes(),
                       "the editor's CSV differs from qz57 export of the saved file")
            self.log(f"CSV equals qz57 export byte for byte ({csv.stat().st_size} bytes)")
            result = self.qz57("check", dat)
            self.check(result.returncode == 0, f"qz57 check refused the file: {result.stderr!r}")
            self.log("qz57 check accepts the saved file")
        finally:
            ed.close()

    # --- journey 4 -----------------------------------------------------------------------

    def journey4(self):
        """In English (the display language of an English locale): append, edit, save, load and
        export through the keyboard's shortcuts; the files hold the same bytes as in Japanese."""
        folder = self.out / "journey4"
        files = folder / "files"
        ed = Editor(self.args.editor, self.probe, Screen(folder), files, self.log,
                    locale="en_US.UTF-8")
        try:
            self.check(ed.control(APPEND).text == "Append",
                       f"the append button reads '{ed.control(APPEND).text}'")
            ed.choose_combo_entry(RANGE, RANGE_10V)
            ed.choose_combo_entry(RESOLUTION, RESOLUTION_10MS)
            self.eventually(lambda: self.combo_texts(ed)[:2] == ["±10 V", "10 ms / 15 min"],
                            lambda: f"the combos show {self.combo_texts(ed)}")
            elements = [Element("FUNC_CONST", ["2.5", "10"]),
                        Element("FUNC_SIN", ["1", "3", "4", "90", "20"])]
            for number, element in enumerate(elements, 1):
                self.add_element(ed, element, dialog=DIALOG_EN)
                self.commit(ed, shot=f"01-dialog-{number}", dialog=DIALOG_EN)
                self.eventually(lambda: self.list_count(ed) == number,
                                f"the list has no row {number}")
            ed.select_row(0)
            self.eventually(lambda: ed.control(EDIT).enabled, "edit stays disabled")
            edited = Element("FUNC_CONST", ["-1.25", "5"])
            self.add_element(ed, edited, EDIT, dialog=DIALOG_EN)
            self.commit(ed, shot="02-edit", dialog=DIALOG_EN)
            elements[0] = edited

            dat, csv = files / "english.dat", files / "english.csv"
            ed.key("ctrl+s")
            ed.file_dialog(dat)
            ed.expect_message(SAVED_EN, "")
            self.check(dat.read_bytes() == settings_text(0, 0, elements),
                       "the settings file written in English differs from the Japanese bytes")
            ed.key("ctrl+o")
            ed.expect_message(QUESTION_EN, "", IDYES)
            ed.file_dialog(dat)
            ed.expect_message(LOADED_EN, "")
            self.eventually(lambda: self.list_count(ed) == 2, "the load did not show two rows")
            ed.key("ctrl+e")
            ed.file_dialog(csv)
            ed.expect_message(SAVED_EN, "The CSV file has been written.")
            ed.shot("03-saved-loaded-exported")
            reference = files / "qz57-export.csv"
            result = self.qz57("export", dat, reference)
            self.check(result.returncode == 0, f"qz57 export failed: {result.stderr!r}")
            self.check(csv.read_bytes() == reference.read_bytes(),
                       "the CSV exported in English differs from qz57 export of the saved file")
            self.log("English: the settings file and the CSV hold the same bytes as in Japanese")
        finally:
            ed.close()

    # --- journey 2 -----------------------------------------------------------------------

    def scroll_bar_points(self, ed):
        left, top = ed.main_client_point(*STRIP_AT)
        width, height = STRIP_SIZE
        middle = top + height // 2
        return left, width, middle

    def thumb_centre(self, ed, view):
        left, width, middle = self.scroll_bar_points(ed)
        arrow = STRIP_SIZE[1]
        track = width - 2 * arrow
        thumb = max(track * view.page // 10000, 8)
        start = left + arrow + (track - thumb) * view.pos // max(10000 - view.page, 1)
        return start + thumb // 2, middle

    def journey2(self):
        files1 = self.out / "journey1" / "files"
        dat, csv = files1 / "journey1.dat", files1 / "qz57-export.csv"
        if not dat.exists():
            raise JourneyError("journey 1 left no settings file to load")
        folder = self.out / "journey2"
        ed = self.editor("journey2")
        try:
            self.load_settings(ed, dat)
            self.eventually(lambda: self.combo_texts(ed) == ["±10V", "10m秒 / 15分", "30秒"],
                            lambda: f"the combos show {self.combo_texts(ed)}")
            self.eventually(lambda: self.list_count(ed) == 8,
                            lambda: f"the list has {self.list_count(ed)} rows")
            loaded = ed.shot("01-loaded")
            self.readme_shot(ed, "journey2", "01-loaded", ed.MAIN_TITLE, "main-window")
            j1 = Picture.from_file(self.out / "journey1" / "08-saved-and-exported.png")
            rect = self.list_rect(ed)
            diff = differing_pixels(loaded.crop(rect), j1.crop(rect))
            area = (rect[2] - rect[0]) * (rect[3] - rect[1])
            self.check(diff <= 0.005 * area,
                       f"the list differs from the one saved in journey 1 in {diff} pixels")
            self.log(f"the list shows the rows of journey 1 ({diff} pixels differ)")

            origin = self.canvas_origin(ed)
            self.compare_with_render(ed, dat, "01-loaded", origin, 30, folder / "files")

            samples = samples_from_csv(csv.read_bytes(), 0.01)
            total = samples[-1][0]
            view = View(total, 30, 5)
            view.update(False)
            ed.choose_combo_entry(PERIOD, PERIOD_10S)
            view.change_period(10, 1)
            self.compare_with_render(ed, dat, "02-period-10s", origin, 10, folder / "files")
            shot = ed.shot("02-period-10s")

            left, width, middle = self.scroll_bar_points(ed)
            # At the end the right arrow does nothing.
            ed.click(left + width - 8, middle)
            same = ed.shot("03-right-arrow-at-end")
            self.check(differing_pixels(same.crop(self.canvas_rect(origin)),
                                        shot.crop(self.canvas_rect(origin))) == 0,
                       "the right arrow moved the chart past the end of the signal")
            steps = [("04-left-arrow", lambda: ed.click(left + 8, middle), ("line-",)),
                     ("05-left-arrow-again", lambda: ed.click(left + 8, middle), ("line-",))]
            for name, act, action in steps:
                act()
                view.scroll(*action)
                self.compare_view(ed, name, view, samples, origin)
            # A click on the track left of the thumb pages back.
            thumb_x, _ = self.thumb_centre(ed, view)
            ed.click((left + 16 + thumb_x) // 2 - 10, middle)
            view.scroll("page-")
            self.compare_view(ed, "06-page-left", view, samples, origin)
            # The thumb dragged to the very start, then back to the very end.
            ed.drag(self.thumb_centre(ed, view), (left + 2, middle))
            view.scroll("thumb", 0)
            self.compare_view(ed, "07-thumb-to-start", view, samples, origin)
            self.check(view.start == 0, "the thumb at the start does not show time 0")
            ed.drag(self.thumb_centre(ed, view), (left + width - 2, middle))
            view.scroll("thumb", 10000 - view.page)
            self.compare_with_render(ed, dat, "08-thumb-to-end", origin, 10, folder / "files")
        finally:
            ed.close()

    def canvas_rect(self, origin):
        return (origin[0], origin[1], origin[0] + 700, origin[1] + 400)

    def compare_with_render(self, ed, dat, name, origin, period, folder):
        svg = folder / f"render-{period}s.svg"
        result = self.qz57("render", dat, svg, "--period", period)
        self.check(result.returncode == 0, f"qz57 render failed: {result.stderr!r}")
        self.compare_shot(ed, name, origin, chart_from_svg(svg.read_text("utf-8")),
                          f"{name} vs qz57 render --period {period}")

    def compare_view(self, ed, name, view, samples, origin):
        self.compare_shot(ed, name, origin, view.chart(samples, -10, 10),
                          f"{name} (view {view.start:.2f} … {view.end:.2f} s)")

    def compare_shot(self, ed, name, origin, expected, what):
        """Compares a screenshot of the chart; a repaint still under way gets two more looks."""
        for attempt in range(3):
            try:
                self.log(compare_chart(ed.shot(name), origin, expected, what))
                return
            except JourneyError:
                if attempt == 2:
                    raise
                time.sleep(0.5)

    # --- journey 3 -----------------------------------------------------------------------

    def journey3(self):
        ed = self.editor("journey3")
        files = self.out / "journey3" / "files"
        try:
            ed.choose_combo_entry(RANGE, RANGE_10V)
            ed.choose_combo_entry(RESOLUTION, RESOLUTION_1MS)

            # Tab moves through the three combos, in the order of the window.
            main = ed.find(ed.MAIN_TITLE)
            order = {main.child(c).handle: c for c in (RANGE, RESOLUTION, PERIOD)}
            visited = []
            for step in range(4):
                ed.key("Tab")
                focus = ed.find(ed.MAIN_TITLE).focus
                visited.append(order.get(focus, focus))
                ed.shot(f"01-tab-{step + 1}")
            self.check(visited in ([PERIOD, RANGE, RESOLUTION, PERIOD],
                                   [RANGE, RESOLUTION, PERIOD, RANGE]),
                       f"Tab moved the focus through {visited}")
            self.log(f"Tab visits the combos {visited}")

            # The time budget: 90 s at 1 ms. 80 s, then 20 s is refused, 10 s fits exactly.
            self.add_element(ed, Element("FUNC_CONST", ["1", "80"]))
            self.commit(ed)
            self.add_element(ed, Element("FUNC_CONST", ["-3", "20"]))
            ed.press_button(OK, DIALOG)
            ed.expect_message(ERROR, "総時間制限を超過していますので追加できません。")
            ed.shot("02-budget-refused-dialog-open")
            self.check(ed.find(DIALOG) is not None, "the dialog closed after the refusal")
            kept = [ed.control(FIELD_A + i, DIALOG).text for i in range(2)]
            self.check(kept == ["-3.0000", "20.000"], f"the dialog lost the values: {kept}")
            ed.set_field(FIELD_A + 1, "10", DIALOG)
            self.commit(ed)
            self.eventually(lambda: self.list_count(ed) == 2, "the element of 10 s was not added")
            self.log("the time budget refuses 100 s, keeps the dialog open, accepts 90 s")
            full = ed.shot("03-budget-full")
            list_rect = self.list_rect(ed)

            # A range change answered No, then Yes.
            ed.choose_combo_entry(RANGE, RANGE_32V)
            ed.expect_message(QUESTION, "レンジを変更すると編集中のデータが失われますがよろしいですか?",
                              IDNO)
            kept = ed.shot("04-range-no")
            self.check(self.combo_texts(ed)[0] == "±10V", "No did not restore the range")
            self.check(differing_pixels(kept.crop(list_rect), full.crop(list_rect)) == 0 and
                       self.list_count(ed) == 2, "No changed the list")
            ed.choose_combo_entry(RANGE, RANGE_32V)
            ed.expect_message(QUESTION, "レンジを変更すると", IDYES)
            ed.shot("05-range-yes")
            self.eventually(lambda: self.combo_texts(ed)[0] == "±32V",
                            "Yes did not take the new range")
            self.eventually(lambda: self.list_count(ed) == 0, "Yes kept the elements")
            self.log("range change: No keeps everything, Yes empties the list")

            # Export and save of an empty list are refused before any file dialog.
            ed.menu(FILE_MENU, EXPORT_ITEM)
            ed.expect_message(ERROR, "出力できるデータがありません。")
            ed.no_window("Save As")
            ed.menu(FILE_MENU, SAVE_ITEM)
            ed.expect_message(ERROR, "出力できるデータがありません。")
            ed.shot("06-empty-refused")
            self.check(not any(files.glob("*.csv")), "an empty list was exported")
            self.log("export and save of an empty list are refused")

            # An invalid settings file costs nothing.
            self.add_element(ed, Element("FUNC_SIN", ["0", "12.5", "1", "0", "30"]))
            self.commit(ed)
            before = files / "before.dat"
            self.save_settings(ed, before)
            shown = ed.shot("07-before-invalid")
            invalid = files / "invalid.dat"
            text = before.read_bytes().replace(b"ELEMENTS\t1", b"ELEMENTS\t2")
            invalid.write_bytes(text)
            self.load_settings(ed, invalid, question=True, expect_valid=False)
            after_shot = ed.shot("08-after-invalid")
            self.check(invalid.read_bytes() == text, "the invalid file was changed")
            texts = self.combo_texts(ed)
            self.check(texts[:2] == ["±32V", "1m秒 / 90秒"], f"the combos show {texts}")
            self.check(differing_pixels(after_shot.crop(list_rect), shown.crop(list_rect)) == 0,
                       "the list changed after the invalid file")
            after = files / "after.dat"
            self.save_settings(ed, after)
            self.check(after.read_bytes() == before.read_bytes(),
                       "the document changed after loading an invalid file")
            self.log("an invalid settings file is refused and nothing is lost")

            # "終了" answered No, then Yes.
            ed.menu(FILE_MENU, EXIT_ITEM)
            ed.expect_message(EXIT_QUESTION, "保存していないデータは失われますがよろしいですか?",
                              IDNO)
            time.sleep(1)
            self.check(ed.process.poll() is None and ed.find(ed.MAIN_TITLE) is not None,
                       "the editor ended after No")
            ed.shot("09-exit-no")
            ed.menu(FILE_MENU, EXIT_ITEM)
            ed.expect_message(EXIT_QUESTION, "保存していないデータは失われますがよろしいですか?",
                              IDYES)
            code = ed.wait_for_exit()
            self.check(code == 0, f"the editor ended with code {code}")
            self.log("exit: No keeps the editor running, Yes ends it with code 0")
        finally:
            ed.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--editor", required=True)
    parser.add_argument("--qz57", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--only", default="1,2,3,4")
    parser.add_argument("--readme-shots", help="also save the README's screenshots here")
    args = parser.parse_args()
    for name in ("editor", "qz57", "probe"):
        setattr(args, name, str(Path(getattr(args, name)).resolve()))

    out = Path(args.out)
    for key in args.only.split(","):
        shutil.rmtree(out / f"journey{key}", ignore_errors=True)
    out.mkdir(parents=True, exist_ok=True)
    display = VirtualDisplay()
    print(f"e2e: display {display.name}, artifacts in {out.resolve()}", flush=True)
    journeys = Journeys(args)
    passed = failed = 0
    try:
        journeys.probe = Probe(args.probe)
        names = {"1": ("journey 1: compose, save, export", journeys.journey1),
                 "2": ("journey 2: load, view, scroll", journeys.journey2),
                 "3": ("journey 3: refusals", journeys.journey3),
                 "4": ("journey 4: in English, append, edit, save, load, export",
                       journeys.journey4)}
        for key in args.only.split(","):
            title, run = names[key]
            print(f"== {title}", flush=True)
            started = time.monotonic()
            try:
                run()
                passed += 1
                print(f"   passed in {time.monotonic() - started:.0f} s", flush=True)
            except Exception as error:  # every failure is reported, then the next journey runs
                failed += 1
                traceback.print_exc(limit=3)
                print(f"   FAILED: {error}", flush=True)
    finally:
        if journeys.probe is not None:
            journeys.probe.close()
        if display.owned:
            wine_server_stop()
        display.close()
    print(f"e2e: {passed} passed, {failed} failed", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
