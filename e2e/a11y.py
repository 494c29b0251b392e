#!/usr/bin/python3
"""What a screen reader finds: the program on the accessibility bus (AT-SPI), driven with keys.

    dbus-run-session -- /usr/bin/python3 a11y.py PROGRAM WORK_FOLDER

Runs inside a session bus of its own, on the X display of the caller; starts the accessibility
bus, then the program with its accessibility always on. Reads the accessible tree of each screen
and prints one line per check, "ok|NAME|DETAIL" or "FAIL|NAME|DETAIL", and the trees it read as
plain lines. Needs the system Python, which has the pyatspi bindings.
"""

import os
import subprocess
import sys
import time

import pyatspi

INTRO_FORMULAS = ["OA cos γ1 = q cos μ + q' υ cos ρ", "OA cos γ = m sin μ + m' υ sin ρ",
                  'OA cos γ = b μ + b υ', '0 ≤ μ ≤ 360°', 'υ/η = d', 'υ = η d']
FIELDS = ['ELLICA, Asse Maggiore', 'ELLICA, Asse Minore', 'SPIRALE, Asse Maggiore',
          'SPIRALE, Asse Minore', 'Rapporto tra gli angoli', 'PASSO', 'Angolo alfa', 'Angolo beta']
RATIO_MESSAGE = 'Il Rapporto deve essere diverso da 0'
CURVE_1 = 'Curva 1, blu scuro: a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45'
CURVE_2 = 'Curva 2, verde scuro: a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45'


def report(ok, name, detail=''):
    print(f"{'ok' if ok else 'FAIL'}|{name}|{detail}", flush=True)


def keys(*names):
    subprocess.run(['xdotool', 'key', '--delay', '40', *names], check=False, timeout=20)


def nodes(node, depth=0):
    """The node and everything under it, depth first, with its depth."""
    if node is None or depth > 16:
        return
    yield node, depth
    for i in range(node.childCount):
        yield from nodes(node.getChildAtIndex(i), depth + 1)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


def value_of(node):
    try:
        return node.queryValue().currentValue
    except NotImplementedError:
        return None


def describe(node):
    line = f'{node.getRoleName()}: {node.name!r}'
    if node.description:
        line += f' desc={node.description!r}'
    text = text_of(node)
    if text:
        line += f' text={text!r}'
    value = value_of(node)
    if value is not None:
        line += f' value={value:.2f}'
    return line


class Program:
    def __init__(self, path, work):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
        self.log = open(os.path.join(work, 'a11y-program.log'), 'w')
        self.process = subprocess.Popen([path], env=env, stdout=self.log, stderr=self.log)

    def app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                pass
        return None

    def window(self, title, seconds=10):
        """The top-level accessible of the screen or box titled so, once it is there."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            app = self.app()
            if app is not None:
                for i in range(app.childCount):
                    child = app.getChildAtIndex(i)
                    if child is not None and child.name == title:
                        return child
            time.sleep(0.2)
        return None

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()


def find(window, role, name=None):
    for node, _ in nodes(window):
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
    return None


def screen(program, title, name):
    """The screen's window, reported as found on the bus as a frame (None when it is not)."""
    window = program.window(title)
    report(window is not None and window.getRoleName() == 'frame', name)
    return window


def show_tree(window):
    for node, depth in nodes(window):
        print('  ' * depth + describe(node), flush=True)


def eventually(question, seconds=5):
    """Asks again until the answer is true or the time is up; returns the last answer."""
    deadline = time.time() + seconds
    while True:
        answer = question()
        if answer[0] or time.time() > deadline:
            return answer
        time.sleep(0.2)


def intro(program):
    form1 = screen(program, 'Form1', 'Form1 is on the accessibility bus, a frame')
    if form1 is None:
        return False
    show_tree(form1)
    page = find(form1, 'document frame', 'Pagina introduttiva')
    text = text_of(page) if page else None
    report(page is not None and text is not None, 'Form1: the intro page is a document with a text',
           describe(page) if page else 'no document frame named "Pagina introduttiva"')
    if text:
        report('ELICA + CHICCIOLA' in text, 'Form1: the page says "ELICA + CHICCIOLA"')
        missing = [f for f in INTRO_FORMULAS if f not in text]
        report(not missing, 'Form1: the page reads the three formulas',
               f'missing: {missing}' if missing else '')
    report(find(form1, 'push button', 'AVANTI') is not None, 'Form1: the button "AVANTI"')
    return True


def calibration(program):
    keys('Tab', 'space')
    form2 = screen(program, 'Form2', 'Form2 is on the accessibility bus after Tab and Space on Form1, a frame')
    if form2 is None:
        return False
    bar = find(form2, 'scroll bar', 'Calibrazione')
    field = find(form2, 'text', 'Fattore')
    figure = find(form2, 'image', 'Figura di calibrazione')
    report(bar is not None and field is not None and figure is not None,
           'Form2: the bar "Calibrazione", the field "Fattore", the image "Figura di calibrazione"')
    if bar is None or field is None or figure is None:
        show_tree(form2)
        return False
    for key, wanted, description in (
            ('Right', 0.55, 'Fattore 0,55; la figura non è stata cancellata'),
            ('Left', 0.53, 'Fattore 0,53; la figura è stata cancellata')):
        keys(key)
        ok, got = eventually(lambda: (abs(value_of(bar) - wanted) < 1e-9 and text_of(field) == f'{wanted:.2f}'
                                      .replace('.', ',') and figure.description == description,
                                      f'value {value_of(bar):.2f}, field {text_of(field)!r}, '
                                      f'figure {figure.description!r}'))
        report(ok, f'Form2: {key} on the bar, the factor {wanted} as its value, in the field and the figure',
               got)
    keys('Right', 'Right')
    show_tree(form2)
    keys('Tab', 'Tab', 'space')
    return True


def parameters(program):
    form3 = screen(program, 'Form3', 'Form3 is on the accessibility bus after "OK - continua" at 0,57, a frame')
    if form3 is None:
        return False
    show_tree(form3)
    names = [node.name for node, _ in nodes(form3) if node.getRoleName() == 'text']
    report(names.count('') == 0 and sorted(names) == sorted(FIELDS), 'Form3: the eight fields by name',
           f'got {names}')
    help_page = find(form3, 'document frame', 'Pagina di aiuto')
    help_text = text_of(help_page) if help_page else ''
    report(help_text is not None and 'Essi sono nell’ordine dall’alto: 45-45.' in help_text,
           'Form3: the help page reads its text', repr(help_text[:60]) if help_text else 'none')

    # Text5 is the seventh stop after AVANTI; a ratio of 0 is refused with its message.
    keys(*['Tab'] * 6, 'ctrl+a', '0', *['shift+Tab'] * 6, 'space')
    box = program.window('Elica')
    report(box is not None, 'a ratio of 0: a message box on the accessibility bus')
    if box is None:
        return False
    show_tree(box)
    labels = [node.name for node, _ in nodes(box) if node.getRoleName() == 'label' and node.name]
    report(labels == [RATIO_MESSAGE], 'the message box says the field\'s exact message', f'got {labels}')
    keys('Return')
    field = find(form3, 'text', 'Rapporto tra gli angoli')
    ok, got = eventually(lambda: (text_of(field) == '', repr(text_of(field))))
    report(ok, 'the ratio field is read as empty after the message', got)
    keys(*['Tab'] * 6, '3', *['shift+Tab'] * 6, 'space')
    return True


def drawing(program):
    form4 = screen(program, 'Form4', 'Form4 is on the accessibility bus after AVANTI, a frame')
    if form4 is None:
        return
    show_tree(form4)
    buttons = sorted(node.name for node, _ in nodes(form4) if node.getRoleName() == 'push button')
    report(buttons == ['Cancella e riprendi', 'ESCI', 'RIPRENDI'], 'Form4: its three buttons by name',
           f'got {buttons}')
    picture = find(form4, 'image', 'Disegno')
    report(picture is not None, 'Form4: the image "Disegno"')
    if picture is None:
        return
    form3 = program.window('Form3')
    # The buttons pressed, then what the picture must say.
    steps = (
        ([], f'1 curva. {CURVE_1}'),
        ([(form4, 'RIPRENDI'), (form3, 'AVANTI')], f'2 curve. {CURVE_1}. {CURVE_2}'),
        ([(form4, 'Cancella e riprendi')], 'Il disegno è vuoto'),
    )
    for presses, wanted in steps:
        for window, button in presses:
            # As a listener does: the next button once the screen it is on has come to the front,
            # so that the window manager is not still handing the focus from one screen to another.
            eventually(lambda: (window.getState().contains(pyatspi.STATE_ACTIVE), ''))
            press(find(window, 'push button', button))
        ok, got = eventually(lambda: (picture.description == wanted, repr(picture.description)))
        report(ok, f'Form4: the picture described as "{wanted[:40]}…"', got)


def press(button):
    """Presses a button through its accessible action, as a screen reader's user does."""
    actions = button.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == 'Press':
            actions.doAction(i)
            return
    actions.doAction(0)


def main(argv):
    path, work = argv[1], argv[2]
    bus = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    program = Program(path, work)
    try:
        if intro(program) and calibration(program) and parameters(program):
            drawing(program)
    finally:
        program.stop()
        bus.terminate()
        bus.wait(5)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
