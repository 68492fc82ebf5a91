# -*- coding: utf-8 -*-
# The code the modules of vantor.ftp share: the options of the folder, the
# fields of each kind of object, and the one run of vantor-admin apply that
# every module makes. The state goes to the program on standard input, never
# in its arguments, where any user of the host would see a password.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json

FOLDER_OPTIONS = dict(
    dir=dict(type='path', required=True),
    executable=dict(type='path'),
    user_file=dict(type='path'),
    allow_file=dict(type='path'),
    vfs_file=dict(type='path'),
    force=dict(type='bool', default=False),
)

PRESENCE = dict(type='str', choices=['present', 'absent'], default='present')

ACCOUNT_FIELDS = dict(
    name=dict(type='str', required=True),
    state=PRESENCE,
    password=dict(type='str', no_log=True),
    password_file=dict(type='path', no_log=False),
    update_password=dict(type='str', choices=['always', 'on_create'], default='always',
                         no_log=False),
    level=dict(type='str', choices=['root', 'super', 'normal', 'guest', '']),
    group=dict(type='str'),
    enabled=dict(type='bool'),
    download_limit=dict(type='int'),
    upload_limit=dict(type='int'),
    ratio=dict(type='int'),
    max_logins=dict(type='int'),
    ip_check_off=dict(type='bool'),
    note=dict(type='str'),
    language=dict(type='str', choices=['default', 'eng', 'cht', 'jpn', '']),
)

ADDRESS_FIELDS = dict(
    address=dict(type='str', required=True),
    account=dict(type='str'),
    state=PRESENCE,
)

MOUNT_FIELDS = dict(
    virtual=dict(type='str', required=True),
    physical=dict(type='path'),
    owner=dict(type='str'),
    group=dict(type='str'),
    permissions=dict(type='str'),
    inherit=dict(type='bool'),
    state=PRESENCE,
)

SERVER_FIELDS = dict(
    name=dict(type='str', required=True),
    root=dict(type='path'),
    keys=dict(type='dict'),
    enabled=dict(type='bool'),
)


def argument_spec(fields):
    options = dict(FOLDER_OPTIONS)
    options.update(fields)
    return options


def entry(values, fields):
    """The object of a state: the fields given, none of those left unset."""
    return dict((name, values[name]) for name in fields if values.get(name) is not None)


def _text(value):
    # vantor-admin writes a text that is not UTF-8 as an array of its bytes.
    if isinstance(value, list):
        return bytes(value).decode('utf-8', 'replace')
    return value


def apply_state(module, state, prune=False):
    """Runs vantor-admin apply on the state and ends the module with its result."""
    params = module.params
    executable = params['executable'] or module.get_bin_path('vantor-admin', required=True)
    args = [executable, '--dir', params['dir']]
    for option in ('user_file', 'allow_file', 'vfs_file'):
        if params.get(option):
            args += ['--' + option.replace('_', '-'), params[option]]
    args += ['apply', '-', '--json']
    if params.get('force'):
        args.append('--force')
    if prune:
        args.append('--prune')
    if module.check_mode:
        args.append('--check')
    if module._diff:
        args.append('--diff')
    rc, out, err = module.run_command(args, data=json.dumps(state), binary_data=True)
    # 4 is apply --check finding changes pending.
    if rc not in (0, 4):
        module.fail_json(msg=err.strip() or 'vantor-admin apply ended with %d' % rc, rc=rc,
                         stderr=err)
    try:
        result = json.loads(out)
    except ValueError:
        module.fail_json(msg='vantor-admin apply gave no JSON', rc=rc, stdout=out, stderr=err)
    diff = ''.join(_text(f.get('diff', '')) for f in result['files'])
    for f in result['files']:
        f.pop('diff', None)
    outcome = dict(changed=result['changed'], accounts=result['accounts'],
                   addresses=result['addresses'], mounts=result['mounts'],
                   servers=result['servers'], files=result['files'])
    if module._diff and diff:
        outcome['diff'] = dict(prepared=diff)
    module.exit_json(**outcome)
