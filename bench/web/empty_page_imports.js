mergeInto(LibraryManager.library, {
  tinzel_bench_paint_one_element: function () {
    const element = document.createElement('p');
    element.textContent = 'Form1';
    document.body.appendChild(element);
  },
});
