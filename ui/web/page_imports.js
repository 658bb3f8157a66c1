// The C++ side's calls into the page (ui/web/page.h), forwarded to Form1Page.
mergeInto(LibraryManager.library, {
  tinzel_page_load: function (width, height, backColor, edgeColor, ringInset) {
    Form1Page.load(width, height, backColor, edgeColor, ringInset);
  },
  tinzel_page_label: function (label, left, top, right, bottom, caption, fontSize) {
    Form1Page.label(label, left, top, right, bottom, UTF8ToString(caption), fontSize);
  },
  tinzel_page_caption: function (label, caption, fontSize) {
    Form1Page.caption(label, UTF8ToString(caption), fontSize);
  },
  tinzel_page_score_width: function (text, fontSize) {
    return Form1Page.scoreWidth(UTF8ToString(text), fontSize);
  },
  tinzel_page_square: function (index, left, top, right, bottom, color, name, row, column,
                                visible) {
    Form1Page.square(index, left, top, right, bottom, color, UTF8ToString(name), row, column,
                     visible);
  },
  tinzel_page_button: function (index, left, top, right, bottom, color, ring, name, visible) {
    Form1Page.button(index, left, top, right, bottom, color, ring, UTF8ToString(name), visible);
  },
  tinzel_page_unload: function () {
    Form1Page.unload();
  },
  tinzel_page_show: function (shown) {
    Form1Page.show(shown);
  },
  tinzel_page_focused_button: function () {
    return Form1Page.focusedButton();
  },
  tinzel_page_focus_button: function (index) {
    Form1Page.focusButton(index);
  },
  tinzel_page_message: function (text, isError) {
    Form1Page.message(UTF8ToString(text), isError);
  },
  tinzel_page_finished: function (exitStatus) {
    Form1Page.finished(exitStatus);
  },
});
