object Form2: TForm2
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Configura'#231#245'es'
  ClientHeight = 337
  ClientWidth = 244
  Color = 13744054
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object sPanel1: TsPanel
    Left = 8
    Top = 8
    Width = 225
    Height = 289
    TabOrder = 0
    SkinData.SkinSection = 'PANEL'
    object sLabel1: TsLabel
      Left = 32
      Top = 28
      Width = 29
      Height = 13
      Caption = 'Login:'
    end
    object sEdit1: TsEdit
      Left = 64
      Top = 24
      Width = 121
      Height = 21
      Hint = 
        'Digite aqui o login para que quando voce entre no jogo ele j'#225' fi' +
        'que pr'#233'-definido'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 0
      SkinData.SkinSection = 'EDIT'
    end
    object sGroupBox2: TsGroupBox
      Left = 16
      Top = 64
      Width = 193
      Height = 97
      Caption = 'Gr'#225'ficos'
      TabOrder = 2
      SkinData.SkinSection = 'GROUPBOX'
      object sLabel2: TsLabel
        Left = 8
        Top = 28
        Width = 53
        Height = 13
        Alignment = taRightJustify
        Caption = 'Resolu'#231#227'o:'
      end
      object sLabel3: TsLabel
        Left = 29
        Top = 60
        Width = 32
        Height = 13
        Alignment = taRightJustify
        Caption = 'Cores:'
      end
      object sComboBox1: TsComboBox
        Left = 64
        Top = 24
        Width = 121
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        ItemIndex = 0
        TabOrder = 0
        SkinData.SkinSection = 'COMBOBOX'
        Items.Strings = (
          '640x480'
          '800x600'
          '1024x768'
          '1280x1024')
      end
      object sComboBox2: TsComboBox
        Left = 64
        Top = 56
        Width = 121
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        ItemIndex = 0
        TabOrder = 1
        SkinData.SkinSection = 'COMBOBOX'
        Items.Strings = (
          '16 bits'
          '32 bits')
      end
    end
    object sGroupBox1: TsGroupBox
      Left = 16
      Top = 168
      Width = 193
      Height = 105
      Caption = 'Audio'
      TabOrder = 1
      SkinData.SkinSection = 'GROUPBOX'
      object sCheckBox1: TsCheckBox
        Left = 8
        Top = 24
        Width = 53
        Height = 19
        Caption = 'Efeito'
        TabOrder = 0
        SkinData.SkinSection = 'CHECKBOX'
      end
      object sCheckBox2: TsCheckBox
        Left = 8
        Top = 40
        Width = 57
        Height = 19
        Caption = 'M'#250'sica'
        TabOrder = 1
        SkinData.SkinSection = 'CHECKBOX'
      end
      object sTrackBar1: TsTrackBar
        Left = 3
        Top = 64
        Width = 73
        Height = 33
        Hint = 'Volume da "M'#250'sica"'
        Max = 10
        ParentShowHint = False
        ShowHint = True
        ThumbLength = 23
        TabOrder = 2
        SkinData.SkinSection = 'TRACKBAR'
      end
    end
  end
  object sButton1: TsButton
    Left = 128
    Top = 304
    Width = 75
    Height = 25
    Caption = 'Aplicar'
    TabOrder = 1
    OnClick = sButton1Click
  end
  object sButton2: TsButton
    Left = 40
    Top = 304
    Width = 75
    Height = 25
    Caption = 'Cancelar'
    TabOrder = 2
    OnClick = sButton2Click
  end
  object sSkinProvider1: TsSkinProvider
    ShowAppIcon = False
    SkinData.SkinSection = 'FORM'
  end
  object sHintManager1: TsHintManager
    HintKind.Style = hsComics
    HintKind.Radius = 25
    HintKind.BevelWidth = 1
    HintKind.Blur = 0
    HintKind.ExOffset = 24
    HintKind.GradientData = '16753188;16777215;99;0;0;16777215;16777215;0;0;0'
    HintKind.GradientPercent = 100
    HintKind.Color = 12778748
    HintKind.ColorBorderTop = clWhite
    HintKind.ColorBorderBottom = clNavy
    HintKind.Transparency = 0
    HintKind.ShadowBlur = 10
    HintKind.ShadowColor = clBlack
    HintKind.ShadowEnabled = True
    HintKind.ShadowOffset = 7
    HintKind.ShadowTransparency = 28
    HintKind.MarginH = 18
    HintKind.MarginV = 12
    HintKind.MaxWidth = 180
    HintKind.Font.Charset = DEFAULT_CHARSET
    HintKind.Font.Color = clBlack
    HintKind.Font.Height = -11
    HintKind.Font.Name = 'Tahoma'
    HintKind.Font.Style = []
    PauseHide = 1000
    Predefinitions = shComicsGradient
  end
end
